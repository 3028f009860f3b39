# lume_add_test(NAME name SOURCES ... LIBRARIES ... [GUI])
# One test executable per class or behaviour; tests run offscreen and never touch a real serial device.
function(lume_add_test)
    cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBRARIES})
    # The test's own code unoptimised whatever the build type: the code under test keeps the
    # build's flags, and the tests compile in little more than half the time.
    target_compile_options(${T_NAME} PRIVATE $<$<CXX_COMPILER_ID:GNU,Clang>:-O0>)
    target_compile_definitions(${T_NAME} PRIVATE
        LUME_SOURCE_DIR="${PROJECT_SOURCE_DIR}" LUME_BINARY_DIR="${PROJECT_BINARY_DIR}")
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_ASSUME_STDERR_HAS_CONSOLE=1"
        TIMEOUT 300)
endfunction()

# lume_rerun_test(name SETTING ...): the test once more under each environment setting (VAR=value).
function(lume_rerun_test name)
    foreach(setting IN LISTS ARGN)
        string(MAKE_C_IDENTIFIER ${setting} suffix)
        add_test(NAME ${name}_${suffix} COMMAND ${name})
        set_tests_properties(${name}_${suffix} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_ASSUME_STDERR_HAS_CONSOLE=1;${setting}" TIMEOUT 300)
    endforeach()
endfunction()
