# Saver host start-up and session, against fakes of the system and of MCI
morvantis_add_gtest(host_core_tests
  SOURCES host_core_test.cpp
  LIBS morvantis_host_core)
