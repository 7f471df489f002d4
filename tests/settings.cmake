# Settings store, number conversions, command line (platform-free, both builds). The settings
# rules also meet the real FileExists of the build's platform.
morvantis_add_gtest(host_settings_tests
  SOURCES vb_numbers_test.cpp command_line_test.cpp settings_store_test.cpp
  LIBS morvantis_host_settings morvantis_host_platform)

if(NOT WIN32)
  # The POSIX file probe; its Windows twin is tested in tests/windows.
  morvantis_add_gtest(file_probe_tests
    SOURCES file_probe_test.cpp
    LIBS morvantis_host_platform)
endif()
