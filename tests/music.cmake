# The music module against the scripted MCI port (platform-free, both builds).
morvantis_add_gtest(music_tests
  SOURCES background_music_test.cpp
  LIBS morvantis_music)
