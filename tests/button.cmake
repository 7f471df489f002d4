# The gradient push button's platform-free core: state machine, properties, face raster and the
# state pictures (built and run in both builds).
morvantis_add_gtest(button_tests
  SOURCES button_command_test.cpp button_face_test.cpp
  LIBS morvantis_button)
