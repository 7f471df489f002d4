# The settings dialog as a real window in the test process: its layout and background, choosing
# a kind, the file-open dialog and the bytes "設定" writes. The program carries the host's
# resources; the window effects and the link's shell call are the test's own recorders (no
# browser opens). An open dialog turns every saver start away (its caption is the instance
# guard's), so the tests take the desktop lock.
morvantis_add_gtest(win32_dialog_tests
  SOURCES dialog_window_test.cpp
    ${PROJECT_SOURCE_DIR}/host/win32_resources.cpp
    ${PROJECT_SOURCE_DIR}/host/resources.rc
  LIBS morvantis_dialog_win32
  SERIAL)
target_include_directories(win32_dialog_tests PRIVATE ${PROJECT_SOURCE_DIR})
