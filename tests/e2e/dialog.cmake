# The settings dialog of the shipped host, driven from outside, and a saver run after it with
# Wine's MCI trace on (set up for the whole program, so registered as one test).
set(dialog_trace ${CMAKE_CURRENT_BINARY_DIR}/dialog-mci-trace.txt)
add_executable(dialog_e2e_tests dialog_e2e_test.cpp)
target_link_libraries(dialog_e2e_tests PRIVATE morvantis_saver_install GTest::gtest_main morvantis_flags)
target_include_directories(dialog_e2e_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_definitions(dialog_e2e_tests PRIVATE MORVANTIS_MCI_TRACE="Z:${dialog_trace}")
add_dependencies(dialog_e2e_tests saver_host renderer_win32)
add_test(NAME SaverDialog
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-run-traced.sh ${dialog_trace} $<TARGET_FILE:dialog_e2e_tests>)
set_tests_properties(SaverDialog PROPERTIES RESOURCE_LOCK wine_desktop)
