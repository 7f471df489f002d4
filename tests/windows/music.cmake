# The winmm port under Wine, where no CD drive or audio output is expected.
morvantis_add_gtest(win32_music_tests
  SOURCES mci_port_test.cpp
  LIBS morvantis_music_win32)
