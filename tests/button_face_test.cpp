// The face raster: the gradient rows and the frame cut from a state picture and stretched to the
// dialog's two button sizes. (The pictures' own pixels are the committed files', pinned byte for
// byte by the assets tests.)
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

#include "host/button/fake_face.h"
#include "host/button/pixel_surface.h"

namespace morvantis::button {
namespace {

using P = StatePicture;

PixelSurface Painted(std::int32_t w, std::int32_t h, StatePicture picture, bool reversed) {
    PixelSurface face(w, h);
    PaintLikeTheControl(face, picture, reversed);
    return face;
}

TEST(ButtonFace, GradientRowsStepByOneOverHeightMinusOneAndAreTruncated) {
    // Rows of a 25-pixel face as GDI paints them (observed under Wine): 1/24 of the way per row.
    const Rgb8 light = {0xF5, 0xF5, 0xF8}, middle = {0xE2, 0xE2, 0xEB}, shade = {0xCF, 0xCE, 0xDD};
    for (const auto& [h, row, normal, reversed] : {std::tuple{25, 4, light, shade}, {25, 12, middle, middle},
                                                   {25, 20, shade, light}, {21, 10, middle, middle}}) {
        EXPECT_TRUE(Painted(81, h, P::Normal, false).Pixel(40, row) == normal) << h << ", " << row;
        EXPECT_TRUE(Painted(81, h, P::Normal, true).Pixel(40, row) == reversed) << h << ", " << row;
    }
    // What the surfaces refuse, and leave as it was: a vertex index beyond the array, an empty
    // rectangle, a source outside the picture.
    PixelSurface face(8, 8);
    GradientVertex v[4] = {};
    EXPECT_FALSE(face.FillGradient(v, 1, {1, 0}) || face.FillGradient(v, 1, {0, 1}));
    const PixelRect corner{0, 0, 4, 4};
    for (const auto& [from, to] : {std::pair{PixelRect{0, 0, 0, 4}, corner}, {{0, 0, 4, 0}, corner},
                                   {corner, {0, 0, 0, 4}}, {corner, {0, 0, 4, 0}}, {{-1, 0, 4, 4}, corner},
                                   {{0, -1, 4, 4}, corner}, {{61, 0, 4, 4}, corner}, {{0, 22, 4, 4}, corner}})
        EXPECT_FALSE(face.StretchCopy(P::Normal, from, to)) << from.x << ", " << from.y << ", " << to.width;
    EXPECT_EQ(face.Pixels(), PixelSurface(8, 8).Pixels());
    // A one-pixel source, and two columns onto one pixel: GDI takes the first of them.
    const RgbImage& n = StatePictureImage(P::Normal);
    EXPECT_TRUE(face.StretchCopy(P::Normal, {63, 24, 1, 1}, {6, 6, 1, 1}) && face.Pixel(6, 6) == PicturePixel(n, 63, 24));
    EXPECT_TRUE(face.StretchCopy(P::Normal, {62, 23, 2, 2}, {7, 7, 1, 1}) && face.Pixel(7, 7) == PicturePixel(n, 62, 23));
}

TEST(ButtonFace, AGradientFillsItsRectangleClippedToTheFaceWithRowsCountedFromItsOwnTop) {
    PixelSurface face(4, 4);
    const GradientVertex v[2] = {{-2, -1, 0, 0, 0, 0}, {3, 7, 0x8000, 0x4000, 0x0800, 0}};
    ASSERT_TRUE(face.FillGradient(v, 2, {1, 0}) && face.Present());  // the lower vertex named first
    std::vector<Rgb8> expected;
    for (int pos = 1; pos <= 4; ++pos) {  // row 0 is 1/8 of the way from row -1; column 3 is outside
        const Rgb8 c{std::uint8_t(16 * pos), std::uint8_t(8 * pos), std::uint8_t(pos)};
        expected.insert(expected.end(), {c, c, c, kClearedFace});
    }
    EXPECT_EQ(face.Pixels(), expected);
    ASSERT_TRUE(face.Clear());
    EXPECT_EQ(face.Pixels(), std::vector<Rgb8>(16, kClearedFace));
}

TEST(ButtonFace, CornersAreCopiedOneToOneAndTheEdgesSqueezedOrStretched) {
    // The picture's colours: the Normal corner's curve, its top, left and right outer rings.
    const PixelSurface normal = Painted(81, 25, P::Normal, false);
    EXPECT_EQ((std::vector<Rgb8>{normal.Pixel(2, 1), normal.Pixel(10, 0), normal.Pixel(0, 12), normal.Pixel(80, 12)}),
              (std::vector<Rgb8>{{0x7A, 0x95, 0xA8}, {0xE0, 0xDC, 0xC9}, {0xE2, 0xDE, 0xCB}, {0xF0, 0xEE, 0xE0}}));
    // Every corner pixel, and the sides of a 25-pixel face, show the picture's pixel one to one.
    for (const auto& [w, h] : {std::pair{81, 25}, {41, 21}}) {
        for (int p = 0; p < kStatePictureCount; ++p) {
            const PixelSurface face = Painted(w, h, static_cast<StatePicture>(p), false);
            for (int y = 0; y < h; ++y)
                for (int x : {0, 1, 2, 3, w - 4, w - 3, w - 2, w - 1}) {
                    if (h != 25 && y >= 4 && y < h - 4) continue;
                    ASSERT_EQ(face.Pixel(x, y), PicturePixel(StatePictureImage(static_cast<StatePicture>(p)),
                                                             x < 4 ? x : x + 64 - w, y < 4 ? y : y + 25 - h))
                        << w << " x " << h << " " << StatePictureName(static_cast<StatePicture>(p)) << " at " << x
                        << ", " << y;
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
        EXPECT_EQ(Painted(s.w, s.h, s.picture, false).Pixel(s.x, s.y),
                  PicturePixel(StatePictureImage(s.picture), s.px, s.py))
            << s.w << " x " << s.h << " at " << s.x << ", " << s.y;
    }
}

}  // namespace
}  // namespace morvantis::button
