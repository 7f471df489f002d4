// The six state pictures: the ring colours and corners they are made from.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <set>
#include <string>

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

TEST(ButtonPictures, AllAre64By25) {
    for (int p = 0; p < kStatePictureCount; ++p) {
        const RgbImage& image = StatePictureImage(static_cast<StatePicture>(p));
        EXPECT_EQ(image.width, 64);
        EXPECT_EQ(image.height, 25);
        EXPECT_EQ(image.pixels.size(), 64u * 25u * 3u);
    }
    EXPECT_EQ(StatePictureImage(StatePicture::HighLightSelect).pixels,
              StatePictureImage(StatePicture::HighLight).pixels);
}

TEST(ButtonPictures, NormalHasTheReferenceCorner) {
    const char* block[4][4] = {{"E9E7D5", "E4DFCE", "E1DDCA", "E0DCC9"},
                               {"E4DFCE", "E6E1D0", "7A95A8", "255783"},
                               {"E2DECB", "7A95A8", "557DA2", "C0CFDD"},
                               {"E2DECB", "255783", "BFCEDC", "FEFEFE"}};
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_EQ(At(StatePicture::Normal, x, y), block[y][x]) << x << ", " << y;
    }
}

TEST(ButtonPictures, NormalRings) {
    const StatePicture n = StatePicture::Normal;
    // Top and bottom: ring 0 with its band in columns 32..56, then rings 1..3.
    EXPECT_EQ(At(n, 4, 0), "E0DCC9");
    EXPECT_EQ(At(n, 31, 0), "E0DCC9");
    EXPECT_EQ(At(n, 32, 0), "DCD6C2");
    EXPECT_EQ(At(n, 56, 0), "DCD6C2");
    EXPECT_EQ(At(n, 57, 0), "E0DCC9");
    EXPECT_EQ(At(n, 20, 1), "003C74");
    EXPECT_EQ(At(n, 20, 2), "F3F3EE");
    EXPECT_EQ(At(n, 59, 3), "F3F3EE");
    EXPECT_EQ(At(n, 10, 24), "F8F7F0");
    EXPECT_EQ(At(n, 40, 24), "FAFAF6");
    EXPECT_EQ(At(n, 10, 23), "003C74");
    EXPECT_EQ(At(n, 10, 22), "D6D0C5");
    EXPECT_EQ(At(n, 10, 21), "E2DFD6");
    // Sides: the glow rings run from the top end (row 4) to the bottom end (row 20).
    EXPECT_EQ(At(n, 0, 12), "E2DECB");
    EXPECT_EQ(At(n, 1, 12), "003C74");
    EXPECT_EQ(At(n, 2, 4), "FDFDFC");
    EXPECT_EQ(At(n, 2, 20), "ECEBE6");
    EXPECT_EQ(At(n, 3, 20), "EBEBE5");
    EXPECT_EQ(At(n, 63, 12), "F0EEE0");
    EXPECT_EQ(At(n, 62, 12), "003C74");
    EXPECT_EQ(At(n, 61, 4), "F6F4F2");
    EXPECT_EQ(At(n, 61, 20), "E0DDD4");
    EXPECT_EQ(At(n, 60, 4), "FBFBFA");
    EXPECT_EQ(At(n, 60, 20), "E4E2DA");
    // Half way down a ring: half way between its ends.
    EXPECT_EQ(At(n, 61, 12), "EBE9E3");
}

TEST(ButtonPictures, GlowRingsOfHoverAndFocus) {
    const StatePicture h = StatePicture::HighLight, s = StatePicture::Selected;
    EXPECT_EQ(At(h, 20, 0), "E0DCC9");
    EXPECT_EQ(At(h, 20, 2), "FFF0CF");
    EXPECT_EQ(At(h, 20, 3), "FDD889");
    EXPECT_EQ(At(h, 20, 22), "E59700");
    EXPECT_EQ(At(h, 20, 21), "F8B330");
    EXPECT_EQ(At(h, 2, 4), "FEDF9A");
    EXPECT_EQ(At(h, 2, 20), "F9B435");
    EXPECT_EQ(At(h, 61, 4), "FDE09B");
    EXPECT_EQ(At(h, 60, 20), "F8B535");
    EXPECT_EQ(At(s, 20, 2), "CEE7FF");
    EXPECT_EQ(At(s, 20, 21), "6982EE");
    EXPECT_EQ(At(s, 3, 4), "B8D1F4");
    EXPECT_EQ(At(s, 3, 20), "8BADE4");
    EXPECT_EQ(At(s, 61, 20), "8BAFE5");
    // Brighter towards the top.
    EXPECT_GT(Luma(h, 2, 4), Luma(h, 2, 20));
    EXPECT_GT(Luma(s, 61, 4), Luma(s, 61, 20));
}

TEST(ButtonPictures, PressedMovesTheBorderOneRingIn) {
    const StatePicture p = StatePicture::Pressed;
    for (const auto& [x, y] : {std::pair{20, 0}, {20, 24}, {0, 12}, {63, 12}, {0, 0}, {3, 0}, {0, 3}, {63, 24}}) {
        EXPECT_EQ(At(p, x, y), "ECE9D8") << x << ", " << y;
    }
    EXPECT_EQ(At(p, 20, 1), "E0DCC9");
    EXPECT_EQ(At(p, 40, 1), "DCD6C2");
    EXPECT_EQ(At(p, 40, 23), "FAFAF6");
    EXPECT_EQ(At(p, 1, 12), "E2DECB");
    EXPECT_EQ(At(p, 62, 12), "F0EEE0");
    EXPECT_EQ(At(p, 20, 2), "003C74");
    EXPECT_EQ(At(p, 61, 12), "003C74");
    EXPECT_EQ(At(p, 20, 3), "D1CCC1");
    EXPECT_EQ(At(p, 20, 21), "F2F1EE");
    EXPECT_EQ(At(p, 3, 4), "DAD8CF");
    EXPECT_EQ(At(p, 3, 20), "D7D3C9");
    EXPECT_EQ(At(p, 60, 4), "E6E6E1");
    EXPECT_EQ(At(p, 60, 20), "E3E2DA");
    // The corner's curve, one pixel further in: light outside, the border through (3, 3).
    EXPECT_GT(Luma(p, 2, 2), 200);
    EXPECT_LT(Luma(p, 3, 3), 110);
    EXPECT_EQ(At(p, 2, 3), At(p, 3, 2));
    EXPECT_GT(Luma(p, 2, 3), Luma(p, 3, 3));
}

TEST(ButtonPictures, DisabledIsGreyWithBlendedCorners) {
    const StatePicture d = StatePicture::Disable;
    EXPECT_EQ(At(d, 20, 0), "ECE9D8");
    EXPECT_EQ(At(d, 20, 1), "C9C7BA");
    EXPECT_EQ(At(d, 20, 2), "F5F4EA");
    EXPECT_EQ(At(d, 62, 12), "C9C7BA");
    EXPECT_EQ(At(d, 60, 12), "F5F4EA");
    std::set<std::string> corner_colours;
    for (const int x : {0, 1, 2, 3, 60, 61, 62, 63}) {
        for (const int y : {0, 1, 2, 3, 21, 22, 23, 24}) corner_colours.insert(At(d, x, y));
    }
    const std::set<std::string> palette = {"ECE9D8", "F5F4EA", "C9C7BA", "D8D5C7", "CBC9BC", "EAE9DE"};
    EXPECT_EQ(corner_colours, palette);
}

TEST(ButtonPictures, EveryCornerCurvesTheBorderTheSameWay) {
    // Mirrored positions: the outer corner pixel is light, the border's curve through the
    // pixels next to the corner's diagonal is dark, for all four corners of the raised pictures.
    for (const StatePicture p : {StatePicture::Normal, StatePicture::HighLight, StatePicture::Selected}) {
        for (const bool left : {true, false}) {
            for (const bool top : {true, false}) {
                SCOPED_TRACE(std::string(StatePictureName(p)) + (top ? " top" : " bottom") +
                             (left ? " left" : " right"));
                const auto x = [left](int c) { return left ? c : 63 - c; };
                const auto y = [top](int r) { return top ? r : 24 - r; };
                EXPECT_GT(Luma(p, x(0), y(0)), 200);
                EXPECT_LT(Luma(p, x(3), y(1)), 110);
                EXPECT_LT(Luma(p, x(1), y(3)), 110);
                EXPECT_LT(Luma(p, x(2), y(2)), 160);
                EXPECT_GT(Luma(p, x(1), y(2)), Luma(p, x(1), y(3))) << "anti-aliased towards the outside";
            }
        }
    }
}

}  // namespace
}  // namespace morvantis::button
