# The settings dialog of the shipped host, driven from outside.
add_executable(dialog_e2e_tests dialog_e2e_test.cpp)
target_link_libraries(dialog_e2e_tests PRIVATE morvantis_saver_install GTest::gtest_main morvantis_flags)
target_include_directories(dialog_e2e_tests PRIVATE ${PROJECT_SOURCE_DIR})
add_dependencies(dialog_e2e_tests saver_host renderer_win32)
morvantis_add_locale_tests(SaverDialog ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:dialog_e2e_tests>)
