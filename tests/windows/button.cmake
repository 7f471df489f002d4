# The gradient push button on Windows: GDI paints the faces the native raster paints, and the
# control in a real window turns messages into its states and Click.
morvantis_add_gtest(win32_button_tests
  SOURCES button_gdi_test.cpp button_control_test.cpp
  LIBS morvantis_button_win32)
