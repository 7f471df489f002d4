# The settings dialog of the shipped host, driven from outside.
add_executable(dialog_e2e_tests dialog_e2e_test.cpp)
target_link_libraries(dialog_e2e_tests PRIVATE morvantis_saver_install GTest::gtest_main morvantis_flags)
target_include_directories(dialog_e2e_tests PRIVATE ${PROJECT_SOURCE_DIR})
add_dependencies(dialog_e2e_tests saver_host renderer_win32)
add_test(NAME SaverDialog COMMAND dialog_e2e_tests)
set_tests_properties(SaverDialog PROPERTIES RESOURCE_LOCK wine_desktop)
