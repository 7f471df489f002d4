# Settings store, number conversions, command line (platform-free, both builds).
morvantis_add_gtest(host_settings_tests
  SOURCES command_line_test.cpp settings_store_test.cpp
  LIBS morvantis_host_settings)
