# The settings file and the file probe through the W functions, whole-file replaces, under
# Wine in each locale the tests run in.
morvantis_add_gtest(win32_settings_tests
  SOURCES settings_file_test.cpp
  LIBS morvantis_host_platform
  LOCALES)
