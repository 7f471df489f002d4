# The settings dialog's platform-free rules (built and run in both builds), and its generated
# pictures (the generator runs natively only).
morvantis_add_gtest(dialog_tests
  SOURCES dialog_rules_test.cpp
  LIBS morvantis_dialog)
if(NOT CMAKE_CROSSCOMPILING)
  morvantis_add_gtest(dialog_picture_tests
    SOURCES dialog_pictures_test.cpp
    LIBS morvantis_asset_pictures)
endif()
