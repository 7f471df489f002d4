# The gradient push button on Windows: GDI paints the faces the native raster paints, and the
# control in a real window turns messages into its states and Click.
morvantis_add_gtest(win32_button_face_tests
  SOURCES button_gdi_test.cpp
  LIBS morvantis_button_win32)
# The control tests move the one mouse pointer of the display: one at a time.
morvantis_add_gtest(win32_button_control_tests
  SOURCES button_control_test.cpp
  LIBS morvantis_button_win32
  SERIAL)
