# libFuzzer targets, checked by AddressSanitizer and UndefinedBehaviorSanitizer. They need clang:
#   CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DLUME_FUZZ=ON -DBUILD_TESTING=OFF
#   cmake --build build-fuzz --target lume_fuzzers
#   ctest --test-dir build-fuzz            # each target for LUME_FUZZ_SECONDS on its corpus
#   ./fuzz.sh 600 [target ...]             # longer runs, one target after another
# The test command builds them in its sanitizer tree instead, beside the tests (LUME_SANITIZE).
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "LUME_FUZZ needs clang's libFuzzer: configure with CXX=clang++-14")
endif()

set(LUME_FUZZ_SECONDS 4 CACHE STRING "How long each fuzz target runs in the test command")

# Everything under ASan and UBSan (LUME_SANITIZE may have said so already). Every library the
# targets reach is instrumented for coverage too, so that the fuzzer sees its branches; the tests
# that a sanitizer build with LUME_FUZZ also has are not, as no fuzzer watches them.
if(NOT LUME_SANITIZE)
    target_compile_options(lume_warnings INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                   -fno-sanitize-recover=undefined)
    target_link_options(lume_warnings INTERFACE -fsanitize=address,undefined)
endif()
target_compile_options(lume_warnings INTERFACE
    $<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,STATIC_LIBRARY>:-fsanitize=fuzzer-no-link>)

# The same for every target and in ./fuzz.sh: no single allocation above 128 MB (a picture that
# would need more must be refused before decoding), at most 512 MB resident, no input slower than
# 20 s. AddressSanitizer keeps 64 MB of freed memory in quarantine instead of 256 MB, a fixed cost
# the limit would otherwise have to cover. Leaks are left to the sanitizer test run: Qt's caches
# filled on first use would count as leaks.
set(LUME_FUZZ_OPTIONS -malloc_limit_mb=128 -rss_limit_mb=512 -timeout=20 -detect_leaks=0 -print_final_stats=1)

enable_testing()
add_custom_target(lume_fuzzers)

# lume_add_fuzzer(NAME name SOURCES ... LIBRARIES ...): the corpus is corpus/<name>/ beside the
# sources, with the dictionary <name>.dict when there is one. The test run writes what it finds into the build tree, never into the corpus.
function(lume_add_fuzzer)
    cmake_parse_arguments(F "" "NAME" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${F_NAME} ${F_SOURCES})
    target_link_libraries(${F_NAME} PRIVATE ${F_LIBRARIES})
    target_compile_options(${F_NAME} PRIVATE -fsanitize=fuzzer-no-link)
    target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
    add_dependencies(lume_fuzzers ${F_NAME})
    set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${F_NAME})
    set(found ${PROJECT_BINARY_DIR}/fuzz-found/${F_NAME})
    file(MAKE_DIRECTORY ${found})
    set(dictionary)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${F_NAME}.dict)
        set(dictionary -dict=${CMAKE_CURRENT_SOURCE_DIR}/${F_NAME}.dict)
    endif()
    add_test(NAME ${F_NAME}
             COMMAND ${F_NAME} -max_total_time=${LUME_FUZZ_SECONDS} ${LUME_FUZZ_OPTIONS} ${dictionary}
                     -artifact_prefix=${PROJECT_BINARY_DIR}/fuzz-found/${F_NAME}- ${found} ${corpus})
    set_tests_properties(${F_NAME} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=quarantine_size_mb=64;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
        TIMEOUT 120 LABELS fuzz)
endfunction()
