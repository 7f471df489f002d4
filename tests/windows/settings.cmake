# The settings file through the real private-profile functions, code-page conversion and the
# Win32 file probe, under Wine with code page 932.
morvantis_add_gtest(win32_settings_tests
  SOURCES settings_file_test.cpp
  LIBS morvantis_host_platform)
