// The face raster: the gradient rows, the frame cut from a state picture and stretched to the
// dialog's two button sizes, and the caption box.
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

std::string Hex(Rgb8 c) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", c.r, c.g, c.b);
    return text;
}

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

TEST(ButtonGradient, ShadeChannelsAreReadRedGreenBlue) {
    const GradientChannels shade = ChannelsOfLiteral(kShadeLiteral);
    EXPECT_EQ(shade.red, 0xC600);
    EXPECT_EQ(shade.green, 0xC500);
    EXPECT_EQ(shade.blue, 0xD700);
}

TEST(ButtonGradient, RowsStepByOneOverHeightMinusOneAndAreTruncated) {
    // Rows of a 25-pixel face as GDI paints them (observed under Wine): 1/24 of the way per row.
    const struct {
        int row;
        const char *normal, *reversed;
    } rows[] = {{4, "F5F5F8", "CFCEDD"}, {12, "E2E2EB", "E2E2EB"}, {20, "CFCEDD", "F5F5F8"}};
    const PixelSurface normal = Painted(81, 25, StatePicture::Normal, false);
    const PixelSurface reversed = Painted(81, 25, StatePicture::Normal, true);
    for (const auto& r : rows) {
        EXPECT_EQ(Hex(normal.Pixel(40, r.row)), r.normal) << r.row;
        EXPECT_EQ(Hex(reversed.Pixel(40, r.row)), r.reversed) << r.row;
    }
    // The fill itself: white on row 0, never the shade, nothing on the last column and row.
    PixelSurface bare(81, 25);
    GradientVertex v[4] = {};
    v[0] = {0, 0, 0xFF00, 0xFF00, 0xFF00, 0};
    v[1] = {80, 24, 0xC600, 0xC500, 0xD700, 0};
    ASSERT_TRUE(bare.FillGradient(v, 4, {1, 0}));
    EXPECT_EQ(Hex(bare.Pixel(0, 0)), "FFFFFF");
    EXPECT_EQ(Hex(bare.Pixel(79, 1)), "FCFCFD");
    EXPECT_EQ(Hex(bare.Pixel(79, 23)), "C8C7D8");
    EXPECT_EQ(bare.Pixel(80, 10), kClearedFace);
    EXPECT_EQ(bare.Pixel(10, 24), kClearedFace);
    EXPECT_FALSE(bare.FillGradient(v, 1, {1, 0})) << "vertex index beyond the array";
    // A 21-pixel face runs over 20 rows: row 4 is 4/20 of the way, row 10 half way.
    const PixelSurface small = Painted(41, 21, StatePicture::Normal, false);
    EXPECT_EQ(Hex(small.Pixel(20, 4)), "F3F3F7");
    EXPECT_EQ(Hex(small.Pixel(20, 10)), "E2E2EB");
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
    EXPECT_EQ(StretchSourceIndices(4, 4, Axis::kVertical), (V{0, 1, 2, 3}));
}

TEST(ButtonFrame, SmallButtonSqueezesTheSideStripsInto13Rows) {
    const PixelSurface face = Painted(41, 21, StatePicture::Normal, false);
    const RgbImage& image = StatePictureImage(StatePicture::Normal);
    EXPECT_EQ(Hex(face.Pixel(2, 1)), "7A95A8");  // corners are copied unchanged
    EXPECT_EQ(face.Pixel(39, 20), PicturePixel(image, 62, 24));
    // Rows 4..16 of the sides show picture rows 4 + (0 1 3 4 5 7 8 9 10 12 13 14 16).
    EXPECT_EQ(face.Pixel(2, 6), PicturePixel(image, 2, 7));
    EXPECT_EQ(face.Pixel(38, 16), PicturePixel(image, 61, 20));
    for (int y = 4; y <= 16; ++y) EXPECT_EQ(Hex(face.Pixel(1, y)), "003C74") << y;
    // 56 top columns squeezed into 33: the band of picture columns 32..56 lands on 20..34.
    EXPECT_EQ(Hex(face.Pixel(19, 0)), "E0DCC9");
    EXPECT_EQ(Hex(face.Pixel(20, 0)), "DCD6C2");
    EXPECT_EQ(Hex(face.Pixel(34, 0)), "DCD6C2");
    EXPECT_EQ(Hex(face.Pixel(35, 0)), "E0DCC9");
}

TEST(ButtonFrame, WideButtonStretchesTopAndBottomTo73Columns) {
    const PixelSurface face = Painted(81, 25, StatePicture::Pressed, false);
    const RgbImage& image = StatePictureImage(StatePicture::Pressed);
    EXPECT_EQ(Hex(face.Pixel(40, 1)), "E0DCC9");  // picture column 31
    EXPECT_EQ(Hex(face.Pixel(41, 1)), "DCD6C2");  // picture column 32: the band starts
    EXPECT_EQ(face.Pixel(76, 23), PicturePixel(image, 59, 23));
    for (int y = 4; y <= 20; ++y) EXPECT_EQ(face.Pixel(77, y), PicturePixel(image, 60, y)) << "sides 1:1";
    EXPECT_EQ(face.Pixel(80, 24), PicturePixel(image, 63, 24));
}

TEST(ButtonCaption, BoxSpansTheWidthAndSitsByTheFormula) {
    const struct {
        int w, h;
        double top_twips;
        int top_pixels;
    } sizes[] = {{81, 25, 80.0, 5}, {41, 21, 50.0, 3}, {117, 28, 102.5, 7}};
    for (const auto& s : sizes) {
        RecordingFace face({s.w, s.h});
        FakeTimer timer;
        Command command(face, timer);
        command.UserControl_Resize();
        EXPECT_DOUBLE_EQ(command.LblMsg().top, s.top_twips) << s.h;
        EXPECT_DOUBLE_EQ(command.LblMsg().width, s.w * 15.0);
        const PixelRect box = command.LblMsg().BoxPixels();
        EXPECT_EQ(box.y, s.top_pixels) << s.h;
        EXPECT_EQ(box.height, 13);
    }
}

}  // namespace
}  // namespace morvantis::button
