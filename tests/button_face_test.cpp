// The six state pictures, and the face raster: the gradient rows and the frame cut from a state
// picture and stretched to the dialog's two button sizes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

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

PixelSurface Painted(std::int32_t w, std::int32_t h, StatePicture picture, bool reversed) {
    PixelSurface face(w, h);
    PaintLikeTheControl(face, picture, reversed);
    return face;
}

TEST(ButtonPictures, RingsAndCornersHaveTheirColours) {
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
        {P::Normal, 31, 0, "E0DCC9"},     {P::Normal, 32, 0, "DCD6C2"},    {P::Normal, 56, 0, "DCD6C2"},
        {P::Normal, 20, 1, "003C74"},     {P::Normal, 40, 24, "FAFAF6"},   {P::Normal, 10, 22, "D6D0C5"},
        {P::Normal, 2, 4, "FDFDFC"},      {P::Normal, 2, 20, "ECEBE6"},    {P::Normal, 63, 12, "F0EEE0"},
        {P::Normal, 61, 12, "EBE9E3"},  // half way down a side ring: half way between its ends
        {P::HighLight, 20, 2, "FFF0CF"},  {P::HighLight, 20, 22, "E59700"}, {P::HighLight, 61, 4, "FDE09B"},
        {P::HighLight, 60, 20, "F8B535"}, {P::Selected, 20, 21, "6982EE"}, {P::Selected, 3, 4, "B8D1F4"},
        {P::Selected, 61, 20, "8BAFE5"},  {P::Pressed, 20, 0, "ECE9D8"},   {P::Pressed, 20, 1, "E0DCC9"},
        {P::Pressed, 20, 2, "003C74"},    {P::Pressed, 20, 3, "D1CCC1"},   {P::Pressed, 3, 20, "D7D3C9"},
        {P::Disable, 20, 0, "ECE9D8"},    {P::Disable, 62, 12, "C9C7BA"},  {P::Disable, 60, 12, "F5F4EA"},
    };
    for (const auto& s : samples)
        EXPECT_EQ(At(s.picture, s.x, s.y), s.colour) << StatePictureName(s.picture) << " at " << s.x << ", " << s.y;
    EXPECT_EQ(StatePictureImage(P::HighLightSelect).pixels, StatePictureImage(P::HighLight).pixels);
}

TEST(ButtonFace, GradientRowsStepByOneOverHeightMinusOneAndAreTruncated) {
    // Rows of a 25-pixel face as GDI paints them (observed under Wine): 1/24 of the way per row.
    const struct {
        int h, row;
        const char *normal, *reversed;
    } rows[] = {{25, 4, "F5F5F8", "CFCEDD"}, {25, 12, "E2E2EB", "E2E2EB"}, {25, 20, "CFCEDD", "F5F5F8"},
                {21, 4, "F3F3F7", "D1D0DF"}, {21, 10, "E2E2EB", "E2E2EB"}};
    for (const auto& r : rows) {
        EXPECT_EQ(Hex(Painted(81, r.h, P::Normal, false).Pixel(40, r.row)), r.normal) << r.h << ", " << r.row;
        EXPECT_EQ(Hex(Painted(81, r.h, P::Normal, true).Pixel(40, r.row)), r.reversed) << r.h << ", " << r.row;
    }
    GradientVertex v[4] = {};
    EXPECT_FALSE(PixelSurface(8, 8).FillGradient(v, 1, {1, 0})) << "vertex index beyond the array";
}

TEST(ButtonFace, CornersAreCopiedOneToOneAndTheEdgesSqueezedOrStretched) {
    // Every corner pixel, and the sides of a 25-pixel face, show the picture's pixel one to one.
    for (const auto& [w, h] : {std::pair{81, 25}, {41, 21}}) {
        for (int p = 0; p < kStatePictureCount; ++p) {
            const PixelSurface face = Painted(w, h, static_cast<StatePicture>(p), false);
            for (int y = 0; y < h; ++y)
                for (int x : {0, 1, 2, 3, w - 4, w - 3, w - 2, w - 1}) {
                    if (h != 25 && y >= 4 && y < h - 4) continue;
                    ASSERT_EQ(face.Pixel(x, y), PicturePixel(StatePictureImage(static_cast<StatePicture>(p)),
                                                             x < 4 ? x : x + 64 - w, y < 4 ? y : y + 25 - h))
                        << w << " x " << h << " " << StatePictureName(static_cast<StatePicture>(p)) << " at " << x << ", " << y;
                }
        }
    }
    // Face pixel (x, y) shows picture pixel (px, py) on the squeezed and stretched edges.
    const struct {
        int w, h;
        StatePicture picture;
        int x, y, px, py;
    } samples[] = {
        // 41 x 21: the 17 side rows squeezed into 13 (rows 4 + 0 1 3 4 5 7 8 9 10 12 13 14 16),
        // the 56 top columns into 33 (the band of picture columns 32..56 lands on 20..34).
        {41, 21, P::Normal, 2, 6, 2, 7},    {41, 21, P::Normal, 2, 15, 2, 18},  {41, 21, P::Normal, 38, 16, 61, 20},
        {41, 21, P::Normal, 19, 0, 31, 0},  {41, 21, P::Normal, 20, 0, 32, 0},  {41, 21, P::Normal, 34, 0, 56, 0},
        {41, 21, P::Normal, 35, 0, 57, 0},
        // 81 x 25: the top and bottom stretched to 73 columns (Pressed has the band on rows 1 and 23).
        {81, 25, P::Pressed, 40, 1, 31, 1}, {81, 25, P::Pressed, 41, 1, 32, 1}, {81, 25, P::Pressed, 76, 23, 59, 23},
    };
    for (const auto& s : samples) {
        EXPECT_EQ(Painted(s.w, s.h, s.picture, false).Pixel(s.x, s.y), PicturePixel(StatePictureImage(s.picture), s.px, s.py))
            << s.w << " x " << s.h << " at " << s.x << ", " << s.y;
    }
}

}  // namespace
}  // namespace morvantis::button
