# What a Debian package of Lume holds beyond the programs and the dot-font files: the licence terms,
# desktop entries, icons, AppStream metadata, manual pages and shell completion; and CPack's DEB
# settings, so that `cpack -G DEB` in the build folder makes lume_<version>_<arch>.deb.
set(LUME_PACKAGE_DATA ${PROJECT_SOURCE_DIR}/data)
set(LUME_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/lume)

# The licence of Lume and the terms of the dot-font files, machine-readable (DEP-5).
install(FILES ${LUME_PACKAGE_DATA}/copyright DESTINATION ${LUME_DOC_DIR})

install(FILES ${LUME_PACKAGE_DATA}/badgesim.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${LUME_PACKAGE_DATA}/badgesim.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# PNG sizes too, rendered from the SVG icons once: they show where Qt has no SVG plugin.
install(DIRECTORY ${LUME_PACKAGE_DATA}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${LUME_PACKAGE_DATA}/metainfo/org.lume.Sketchlume.metainfo.xml
              ${LUME_PACKAGE_DATA}/metainfo/org.lume.Scriptlume.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${LUME_PACKAGE_DATA}/completion/lumesend
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
# The illustrated guide of both programs.
install(FILES ${PROJECT_SOURCE_DIR}/doc/guide/sketchlume.md ${PROJECT_SOURCE_DIR}/doc/guide/scriptlume.md
        DESTINATION ${LUME_DOC_DIR}/guide)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/doc/guide/images DESTINATION ${LUME_DOC_DIR}/guide FILES_MATCHING PATTERN "*.png")
# The USB serial adapters for the user at the seat, in udev's own folder under the prefix (/usr).
install(FILES ${LUME_PACKAGE_DATA}/udev/70-lume-serial.rules DESTINATION lib/udev/rules.d)

# Manual pages and the changelog (a native package's changelog.gz) compressed as Debian keeps
# them: gzip -9n, no name, no time stamp.
find_program(LUME_GZIP gzip REQUIRED)
set(LUME_MAN_PAGES Sketchlume.1 Scriptlume.1 lumesend.1 badgesim.1)
set(LUME_COMPRESSED)
foreach(page IN LISTS LUME_MAN_PAGES)
    set(out ${PROJECT_BINARY_DIR}/man/${page}.gz)
    add_custom_command(OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
        COMMAND ${LUME_GZIP} -9nc ${LUME_PACKAGE_DATA}/man/${page} > ${out}
        DEPENDS ${LUME_PACKAGE_DATA}/man/${page}
        VERBATIM)
    list(APPEND LUME_COMPRESSED ${out})
    install(FILES ${out} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
configure_file(${LUME_PACKAGE_DATA}/changelog.in ${PROJECT_BINARY_DIR}/doc/changelog @ONLY)
set(changelog ${PROJECT_BINARY_DIR}/doc/changelog.gz)
add_custom_command(OUTPUT ${changelog}
    COMMAND ${LUME_GZIP} -9nc ${PROJECT_BINARY_DIR}/doc/changelog > ${changelog}
    DEPENDS ${PROJECT_BINARY_DIR}/doc/changelog
    VERBATIM)
list(APPEND LUME_COMPRESSED ${changelog})
install(FILES ${changelog} DESTINATION ${LUME_DOC_DIR})
add_custom_target(lume_docs ALL DEPENDS ${LUME_COMPRESSED})

set(CPACK_PACKAGE_NAME lume)
set(CPACK_PACKAGE_VENDOR "The Lume developers")
set(CPACK_PACKAGE_CONTACT "The Lume developers <lume@localhost.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programs an LED name badge over a serial line")
# The synopsis is the summary above; this is the extended description under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Lume composes the eight messages of a 12-row LED name badge and sends them
over a one-way 1200-baud serial line. Sketchlume draws each message from text
in a screen font or from a picture file; Scriptlume draws Chinese, Japanese
or Korean text with 12-dot bitmap fonts; lumesend composes and sends from the
command line; badgesim is a virtual badge on a pseudo-terminal, for trying it
all without a badge.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # lume_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Captions and message fonts: a plain sans font, and a CJK font for the translated captions and the
# text boxes; Qt's own translations for the buttons and file dialogs beside ours.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-wqy-microhei | fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-extra")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
set(CPACK_STRIP_FILES ON)
# The postinst lets udev apply the rule to adapters that are already plugged in.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${LUME_PACKAGE_DATA}/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_GENERATOR DEB)
include(CPack)

if(BUILD_TESTING)
    find_program(LUME_DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
    find_program(LUME_APPSTREAMCLI appstreamcli REQUIRED)
    add_test(NAME lume_desktop_entries
        COMMAND ${LUME_DESKTOP_FILE_VALIDATE} ${PROJECT_SOURCE_DIR}/sketchlume/sketchlume.desktop
            ${PROJECT_SOURCE_DIR}/scriptlume/scriptlume.desktop ${LUME_PACKAGE_DATA}/badgesim.desktop)
    add_test(NAME lume_appstream
        COMMAND ${LUME_APPSTREAMCLI} validate --no-net
            ${LUME_PACKAGE_DATA}/metainfo/org.lume.Sketchlume.metainfo.xml
            ${LUME_PACKAGE_DATA}/metainfo/org.lume.Scriptlume.metainfo.xml)
    # The warnings of desktop-file-validate fail the test as well as its errors.
    set_tests_properties(lume_desktop_entries PROPERTIES FAIL_REGULAR_EXPRESSION "error:|warning:")
    # The sanitizer build is about the code; its binaries are not what a package holds.
    if(NOT LUME_SANITIZE)
        add_test(NAME lume_package_files
            COMMAND ${CMAKE_COMMAND} -DBINARY_DIR=${PROJECT_BINARY_DIR}
                -DEXPECTED=${LUME_PACKAGE_DATA}/package-files.txt
                -DVERSION=${PROJECT_VERSION} -P ${PROJECT_SOURCE_DIR}/cmake/LumeCheckPackage.cmake)
        # CPack builds its "preinstall" target in the tree, as the Windows check builds its own.
        set_tests_properties(lume_package_files PROPERTIES TIMEOUT 300 RESOURCE_LOCK lume_build_tree)
    endif()
endif()
