# vitrine_add_test(NAME SOURCES... LIBS ...)
# One GoogleTest executable per test folder; widget tests need a QApplication, which
# tests/common/TestMain.cpp provides, under the offscreen platform.
function(vitrine_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} vitrine_testmain GTest::gtest)
    target_compile_definitions(${name} PRIVATE VITRINE_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600)
endfunction()
