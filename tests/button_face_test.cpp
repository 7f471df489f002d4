// The six state pictures, and the face raster: the gradient rows and the frame cut from a state
// picture and stretched to the dialog's two button sizes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "host/button/command.h"
#include "host/button/fake_face.h"
#include "host/button/pixel_surface.h"

namespace morvantis::button {
namespace {

using P = StatePicture;

std::string Hex(Rgb8 c) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", c.r, c.g, c.b);
    return text;
}

std::string At(StatePicture picture, int x, int y) { return Hex(PicturePixel(StatePictureImage(picture), x, y)); }

// A w x h face painted with `picture`, the way the control paints it.
PixelSurface Painted(std::int32_t w, std::int32_t h, StatePicture picture, bool reversed) {
    PixelSurface face(w, h);
    FakeTimer timer;
    Command command(face, timer);
    command.SetEnabled(true);
    command.Initialize();
    if (reversed) command.UserControl_MouseMove(0, 0, 0, 0);  // hover reverses the gradient
    command.PaintState(picture);
    return face;
}

TEST(ButtonPictures, ReferencePixels) {
    const char* normalCorner[4][4] = {{"E9E7D5", "E4DFCE", "E1DDCA", "E0DCC9"},
                                      {"E4DFCE", "E6E1D0", "7A95A8", "255783"},
                                      {"E2DECB", "7A95A8", "557DA2", "C0CFDD"},
                                      {"E2DECB", "255783", "BFCEDC", "FEFEFE"}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(At(P::Normal, x, y), normalCorner[y][x]) << x << ", " << y;
    const struct {
        StatePicture picture;
        int x, y;
        const char* colour;
    } samples[] = {
        {P::Normal, 31, 0, "E0DCC9"},  {P::Normal, 32, 0, "DCD6C2"},  {P::Normal, 56, 0, "DCD6C2"},
        {P::Normal, 57, 0, "E0DCC9"},  {P::Normal, 20, 1, "003C74"},  {P::Normal, 20, 3, "F3F3EE"},
        {P::Normal, 40, 24, "FAFAF6"}, {P::Normal, 10, 22, "D6D0C5"}, {P::Normal, 10, 21, "E2DFD6"},
        {P::Normal, 0, 12, "E2DECB"},  {P::Normal, 2, 4, "FDFDFC"},   {P::Normal, 2, 20, "ECEBE6"},
        {P::Normal, 63, 12, "F0EEE0"}, {P::Normal, 62, 12, "003C74"}, {P::Normal, 60, 20, "E4E2DA"},
        {P::Normal, 61, 12, "EBE9E3"},  // half way down a side ring: half way between its ends
        {P::HighLight, 20, 0, "E0DCC9"}, {P::HighLight, 20, 2, "FFF0CF"}, {P::HighLight, 20, 3, "FDD889"},
        {P::HighLight, 20, 22, "E59700"}, {P::HighLight, 2, 4, "FEDF9A"}, {P::HighLight, 2, 20, "F9B435"},
        {P::HighLight, 61, 4, "FDE09B"}, {P::HighLight, 60, 20, "F8B535"},
        {P::Selected, 20, 2, "CEE7FF"}, {P::Selected, 20, 21, "6982EE"}, {P::Selected, 3, 4, "B8D1F4"},
        {P::Selected, 3, 20, "8BADE4"}, {P::Selected, 61, 20, "8BAFE5"},
        // Pressed moves the border one ring in.
        {P::Pressed, 20, 0, "ECE9D8"},  {P::Pressed, 63, 12, "ECE9D8"}, {P::Pressed, 0, 3, "ECE9D8"},
        {P::Pressed, 20, 1, "E0DCC9"},  {P::Pressed, 40, 23, "FAFAF6"}, {P::Pressed, 62, 12, "F0EEE0"},
        {P::Pressed, 20, 2, "003C74"},  {P::Pressed, 61, 12, "003C74"}, {P::Pressed, 20, 3, "D1CCC1"},
        {P::Pressed, 20, 21, "F2F1EE"}, {P::Pressed, 3, 20, "D7D3C9"},  {P::Pressed, 60, 4, "E6E6E1"},
        {P::Disable, 20, 0, "ECE9D8"},  {P::Disable, 20, 1, "C9C7BA"},  {P::Disable, 62, 12, "C9C7BA"},
        {P::Disable, 60, 12, "F5F4EA"},
    };
    for (const auto& s : samples)
        EXPECT_EQ(At(s.picture, s.x, s.y), s.colour) << StatePictureName(s.picture) << " at " << s.x << ", " << s.y;
    EXPECT_EQ(StatePictureImage(P::HighLightSelect).pixels, StatePictureImage(P::HighLight).pixels);
}

TEST(ButtonGradient, RowsStepByOneOverHeightMinusOneAndAreTruncated) {
    // Rows of a 25-pixel face as GDI paints them (observed under Wine): 1/24 of the way per row.
    const struct {
        int row;
        const char *normal, *reversed;
    } rows[] = {{4, "F5F5F8", "CFCEDD"}, {12, "E2E2EB", "E2E2EB"}, {20, "CFCEDD", "F5F5F8"}};
    const PixelSurface normal = Painted(81, 25, P::Normal, false);
    const PixelSurface reversed = Painted(81, 25, P::Normal, true);
    for (const auto& r : rows) {
        EXPECT_EQ(Hex(normal.Pixel(40, r.row)), r.normal) << r.row;
        EXPECT_EQ(Hex(reversed.Pixel(40, r.row)), r.reversed) << r.row;
    }
    // A 21-pixel face runs over 20 rows: row 4 is 4/20 of the way, row 10 half way.
    const PixelSurface small = Painted(41, 21, P::Normal, false);
    EXPECT_EQ(Hex(small.Pixel(20, 4)), "F3F3F7");
    EXPECT_EQ(Hex(small.Pixel(20, 10)), "E2E2EB");
    GradientVertex v[4] = {};
    EXPECT_FALSE(PixelSurface(8, 8).FillGradient(v, 1, {1, 0})) << "vertex index beyond the array";
}

TEST(ButtonStretch, PicksThePixelsGdiPicks) {
    // COLORONCOLOR as GDI does it (observed under Wine): along a row the last of the squeezed
    // pixels stays, across rows the first.
    using V = std::vector<std::int32_t>;
    EXPECT_EQ(StretchSourceIndices(17, 13, Axis::kHorizontal), (V{0, 2, 3, 4, 6, 7, 8, 9, 11, 12, 13, 15, 16}));
    EXPECT_EQ(StretchSourceIndices(17, 13, Axis::kVertical), (V{0, 1, 3, 4, 5, 7, 8, 9, 10, 12, 13, 14, 16}));
    EXPECT_EQ(StretchSourceIndices(56, 73, Axis::kHorizontal),
              (V{0,  1,  1,  2,  3,  4,  4,  5,  6,  7,  8,  8,  9,  10, 11, 11, 12, 13, 14, 14, 15, 16, 17, 18, 18,
                 19, 20, 21, 21, 22, 23, 24, 24, 25, 26, 27, 27, 28, 29, 30, 31, 31, 32, 33, 34, 34, 35, 36, 37,
                 37, 38, 39, 40, 41, 41, 42, 43, 44, 44, 45, 46, 47, 47, 48, 49, 50, 51, 51, 52, 53, 54, 54, 55}));
}

TEST(ButtonFrame, CornersAreCopiedAndEdgesSqueezedOrStretched) {
    // Face pixel (x, y) shows picture pixel (px, py).
    const struct {
        int w, h;
        StatePicture picture;
        int x, y, px, py;
    } samples[] = {
        // 41 x 21: the 17 side rows squeezed into 13 (rows 4 + 0 1 3 4 5 7 8 9 10 12 13 14 16),
        // the 56 top columns into 33 (the band of picture columns 32..56 lands on 20..34).
        {41, 21, P::Normal, 2, 1, 2, 1},    {41, 21, P::Normal, 39, 20, 62, 24},
        {41, 21, P::Normal, 2, 6, 2, 7},    {41, 21, P::Normal, 2, 15, 2, 18},
        {41, 21, P::Normal, 38, 16, 61, 20}, {41, 21, P::Normal, 19, 0, 31, 0},
        {41, 21, P::Normal, 20, 0, 32, 0},  {41, 21, P::Normal, 34, 0, 56, 0},
        {41, 21, P::Normal, 35, 0, 57, 0},
        // 81 x 25: the top and bottom stretched to 73 columns, the sides 1:1.
        {81, 25, P::Pressed, 40, 1, 31, 1}, {81, 25, P::Pressed, 41, 1, 32, 1},
        {81, 25, P::Pressed, 76, 23, 59, 23}, {81, 25, P::Pressed, 80, 24, 63, 24},
        {81, 25, P::Pressed, 77, 4, 60, 4}, {81, 25, P::Pressed, 77, 20, 60, 20},
    };
    for (const auto& s : samples) {
        EXPECT_EQ(Painted(s.w, s.h, s.picture, false).Pixel(s.x, s.y),
                  PicturePixel(StatePictureImage(s.picture), s.px, s.py))
            << s.w << " x " << s.h << " at " << s.x << ", " << s.y;
    }
}

}  // namespace
}  // namespace morvantis::button
