# Settings store, number conversions, command line (platform-free, both builds). The settings
# rules also meet the real FileExists of the build's platform.
morvantis_add_gtest(host_settings_tests
  SOURCES vb_numbers_test.cpp command_line_test.cpp settings_store_test.cpp
  LIBS morvantis_host_settings morvantis_host_platform)

