# The gradient push button on Windows: GDI paints the faces the native raster paints. (The
# control in a real window is checked on the settings dialog's buttons.)
morvantis_add_gtest(win32_button_face_tests
  SOURCES button_gdi_test.cpp
  LIBS morvantis_button_win32)
