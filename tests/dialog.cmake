# The settings dialog's platform-free rules (built and run in both builds).
morvantis_add_gtest(dialog_tests
  SOURCES dialog_rules_test.cpp
  LIBS morvantis_dialog)
