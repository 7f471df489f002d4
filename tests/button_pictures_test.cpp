// The six state pictures: the ring colours and corners they are made from.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <tuple>

#include "host/button/pixel_surface.h"
#include "host/button/state_pictures.h"

namespace morvantis::button {
namespace {

std::string At(StatePicture picture, int x, int y) {
    const Rgb8 c = PicturePixel(StatePictureImage(picture), x, y);
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", c.r, c.g, c.b);
    return text;
}

int Luma(StatePicture picture, int x, int y) {
    const Rgb8 c = PicturePixel(StatePictureImage(picture), x, y);
    return (299 * c.r + 587 * c.g + 114 * c.b) / 1000;
}

// (x, y, colour) samples of one picture.
void ExpectPixels(StatePicture p, std::initializer_list<std::tuple<int, int, const char*>> samples) {
    for (const auto& [x, y, colour] : samples) {
        EXPECT_EQ(At(p, x, y), colour) << StatePictureName(p) << " at " << x << ", " << y;
    }
}

TEST(ButtonPictures, NormalHasTheReferenceCornerAndItsRings) {
    const char* block[4][4] = {{"E9E7D5", "E4DFCE", "E1DDCA", "E0DCC9"},
                               {"E4DFCE", "E6E1D0", "7A95A8", "255783"},
                               {"E2DECB", "7A95A8", "557DA2", "C0CFDD"},
                               {"E2DECB", "255783", "BFCEDC", "FEFEFE"}};
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_EQ(At(StatePicture::Normal, x, y), block[y][x]) << x << ", " << y;
    }
    ExpectPixels(StatePicture::Normal,
                 {{31, 0, "E0DCC9"}, {32, 0, "DCD6C2"}, {56, 0, "DCD6C2"}, {57, 0, "E0DCC9"}, {20, 1, "003C74"},
                  {20, 3, "F3F3EE"}, {40, 24, "FAFAF6"}, {10, 22, "D6D0C5"}, {10, 21, "E2DFD6"}, {0, 12, "E2DECB"},
                  {2, 4, "FDFDFC"}, {2, 20, "ECEBE6"}, {63, 12, "F0EEE0"}, {62, 12, "003C74"}, {60, 20, "E4E2DA"},
                  {61, 12, "EBE9E3"}});  // half way down a side ring: half way between its ends
}

TEST(ButtonPictures, HoverAndFocusGlowBrighterTowardsTheTop) {
    EXPECT_EQ(StatePictureImage(StatePicture::HighLightSelect).pixels,
              StatePictureImage(StatePicture::HighLight).pixels);
    ExpectPixels(StatePicture::HighLight, {{20, 0, "E0DCC9"}, {20, 2, "FFF0CF"}, {20, 3, "FDD889"}, {20, 22, "E59700"},
                                           {2, 4, "FEDF9A"}, {2, 20, "F9B435"}, {61, 4, "FDE09B"}, {60, 20, "F8B535"}});
    ExpectPixels(StatePicture::Selected,
                 {{20, 2, "CEE7FF"}, {20, 21, "6982EE"}, {3, 4, "B8D1F4"}, {3, 20, "8BADE4"}, {61, 20, "8BAFE5"}});
}

TEST(ButtonPictures, PressedMovesTheBorderOneRingIn) {
    const StatePicture p = StatePicture::Pressed;
    ExpectPixels(p, {{20, 0, "ECE9D8"}, {63, 12, "ECE9D8"}, {0, 3, "ECE9D8"}, {20, 1, "E0DCC9"}, {40, 23, "FAFAF6"},
                     {62, 12, "F0EEE0"}, {20, 2, "003C74"}, {61, 12, "003C74"}, {20, 3, "D1CCC1"}, {20, 21, "F2F1EE"},
                     {3, 20, "D7D3C9"}, {60, 4, "E6E6E1"}});
    EXPECT_GT(Luma(p, 2, 2), 200);  // the curve, one pixel further in
    EXPECT_LT(Luma(p, 3, 3), 110);
}

TEST(ButtonPictures, DisabledIsGreyWithCornersBlendedFromFourGreys) {
    ExpectPixels(StatePicture::Disable, {{20, 0, "ECE9D8"}, {20, 1, "C9C7BA"}, {62, 12, "C9C7BA"}, {60, 12, "F5F4EA"}});
    std::set<std::string> corner_colours;
    for (const int x : {0, 1, 2, 3, 60, 61, 62, 63}) {
        for (const int y : {0, 1, 2, 3, 21, 22, 23, 24}) corner_colours.insert(At(StatePicture::Disable, x, y));
    }
    EXPECT_EQ(corner_colours, (std::set<std::string>{"ECE9D8", "F5F4EA", "C9C7BA", "D8D5C7", "CBC9BC", "EAE9DE"}));
}

TEST(ButtonPictures, EveryCornerCurvesTheBorderTheSameWay) {
    // Mirrored positions: the outer corner pixel is light, the border curves dark through the
    // pixels beside the diagonal and fades towards the outside.
    for (const StatePicture p : {StatePicture::Normal, StatePicture::HighLight, StatePicture::Selected}) {
        for (const bool left : {true, false}) {
            for (const bool top : {true, false}) {
                SCOPED_TRACE(std::string(StatePictureName(p)) + (top ? " top" : " bottom") + (left ? " left" : " right"));
                const auto x = [left](int c) { return left ? c : 63 - c; };
                const auto y = [top](int r) { return top ? r : 24 - r; };
                EXPECT_GT(Luma(p, x(0), y(0)), 200);
                EXPECT_LT(Luma(p, x(3), y(1)), 110);
                EXPECT_LT(Luma(p, x(1), y(3)), 110);
                EXPECT_GT(Luma(p, x(1), y(2)), Luma(p, x(1), y(3)));
            }
        }
    }
}

}  // namespace
}  // namespace morvantis::button
