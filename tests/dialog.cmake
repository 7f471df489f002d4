# The settings dialog's generated pictures (the generator runs natively only).
if(NOT CMAKE_CROSSCOMPILING)
  morvantis_add_gtest(dialog_picture_tests
    SOURCES dialog_pictures_test.cpp
    LIBS morvantis_asset_pictures)
endif()
