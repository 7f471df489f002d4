# Settings store, number conversions, command line, the settings file's text and Shift-JIS
# (platform-free, both builds: Shift-JIS is checked against iconv natively, against Windows'
# code page 932 under Wine).
morvantis_add_gtest(host_settings_tests
  SOURCES command_line_test.cpp settings_store_test.cpp text_encoding_test.cpp shift_jis_test.cpp profile_text_test.cpp
    profile_file_store_test.cpp
  LIBS morvantis_host_settings)
