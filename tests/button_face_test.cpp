// The face raster: the gradient rows, the frame cut from a state picture and stretched to the
// dialog's two button sizes, and the caption box.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "host/button/command.h"
#include "host/button/pixel_surface.h"
#include "host/button/fake_face.h"

namespace morvantis::button {
namespace {

Rgb8 Hex(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
}

std::string Str(Rgb8 c) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", c.r, c.g, c.b);
    return text;
}

// A face of w x h painted with `picture` in the given direction, the way the control does it.
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

TEST(ButtonGradient, ChannelsAreReadFromTheLiteralsInRedGreenBlueOrder) {
    const GradientChannels shade = ChannelsOfLiteral(kShadeLiteral);
    EXPECT_EQ(shade.red, 0xC600);
    EXPECT_EQ(shade.green, 0xC500);
    EXPECT_EQ(shade.blue, 0xD700);
    const GradientChannels light = ChannelsOfLiteral(kLightLiteral);
    EXPECT_EQ(light.red, 0xFF00);
}

TEST(ButtonGradient, RowsOfA25PixelFaceStepBy24ths) {
    // Rows as GDI paints them: truncated, 1/24 of the way per row, never reaching the end.
    const struct {
        int row;
        std::uint32_t normal, reversed;
    } rows[] = {{0, 0xFFFFFF, 0xC6C5D7}, {1, 0xFCFCFD, 0xC8C7D8}, {4, 0xF5F5F8, 0xCFCEDD},
                {12, 0xE2E2EB, 0xE2E2EB}, {20, 0xCFCEDD, 0xF5F5F8}, {23, 0xC8C7D8, 0xFCFCFD}};
    const PixelSurface normal = Painted(81, 25, StatePicture::Normal, false);
    const PixelSurface reversed = Painted(81, 25, StatePicture::Normal, true);
    for (const auto& r : rows) {
        SCOPED_TRACE(r.row);
        // Column 40 lies inside the frame for rows 4..20, under the frame elsewhere: the
        // gradient rows are checked on a bare fill there.
        PixelSurface bare(81, 25);
        GradientVertex v[4] = {};
        v[0] = {0, 0, 0xFF00, 0xFF00, 0xFF00, 0};
        v[1] = {80, 24, 0xC600, 0xC500, 0xD700, 0};
        bare.FillGradient(v, 4, {1, 0});
        EXPECT_EQ(Str(bare.Pixel(40, r.row)), Str(Hex(r.normal)));
        EXPECT_EQ(Str(bare.Pixel(0, r.row)), Str(Hex(r.normal)));
        if (r.row >= 4 && r.row <= 20) {
            EXPECT_EQ(Str(normal.Pixel(40, r.row)), Str(Hex(r.normal)));
            EXPECT_EQ(Str(reversed.Pixel(40, r.row)), Str(Hex(r.reversed)));
        }
    }
}

TEST(ButtonGradient, FillCoversAllButTheLastColumnAndRow) {
    PixelSurface face(41, 21);
    GradientVertex v[4] = {};
    v[1] = {40, 20, 0, 0, 0, 0};  // black to black, vertex 0 black too
    ASSERT_TRUE(face.FillGradient(v, 4, {1, 0}));
    EXPECT_EQ(face.Pixel(39, 19), Hex(0x000000));
    EXPECT_EQ(face.Pixel(40, 10), kClearedFace);
    EXPECT_EQ(face.Pixel(10, 20), kClearedFace);
    EXPECT_FALSE(face.FillGradient(v, 1, {1, 0})) << "vertex index beyond the array";
}

TEST(ButtonGradient, A21PixelFaceRunsOver20Rows) {
    const PixelSurface face = Painted(41, 21, StatePicture::Normal, false);
    EXPECT_EQ(Str(face.Pixel(20, 10)), "E2E2EB");  // half way: (FF + C6) / 2, (FF + D7) / 2
    EXPECT_EQ(Str(face.Pixel(20, 4)), "F3F3F7");  // 4/20 of the way, truncated
}

TEST(ButtonStretch, PicksThePixelsGdiPicks) {
    // Sequences GDI gives with COLORONCOLOR (observed under Wine).
    using V = std::vector<std::int32_t>;
    EXPECT_EQ(StretchSourceIndices(17, 13, Axis::kHorizontal), (V{0, 2, 3, 4, 6, 7, 8, 9, 11, 12, 13, 15, 16}));
    EXPECT_EQ(StretchSourceIndices(17, 13, Axis::kVertical), (V{0, 1, 3, 4, 5, 7, 8, 9, 10, 12, 13, 14, 16}));
    EXPECT_EQ(StretchSourceIndices(17, 5, Axis::kHorizontal), (V{2, 6, 9, 13, 16}));
    EXPECT_EQ(StretchSourceIndices(56, 33, Axis::kHorizontal),
              (V{1, 2, 4, 6, 7, 9, 11, 13, 14, 16, 18, 19, 21, 23, 24, 26, 28, 30, 31, 33, 35, 36, 38, 40, 41,
                 43, 45, 47, 48, 50, 52, 53, 55}));
    const V stretched = StretchSourceIndices(56, 73, Axis::kHorizontal);
    const V expected = {0,  1,  1,  2,  3,  4,  4,  5,  6,  7,  8,  8,  9,  10, 11, 11, 12, 13, 14,
                        14, 15, 16, 17, 18, 18, 19, 20, 21, 21, 22, 23, 24, 24, 25, 26, 27, 27, 28,
                        29, 30, 31, 31, 32, 33, 34, 34, 35, 36, 37, 37, 38, 39, 40, 41, 41, 42, 43,
                        44, 44, 45, 46, 47, 47, 48, 49, 50, 51, 51, 52, 53, 54, 54, 55};
    EXPECT_EQ(stretched, expected);
    EXPECT_EQ(StretchSourceIndices(17, 17, Axis::kVertical), (V{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_TRUE(StretchSourceIndices(17, 0, Axis::kVertical).empty());
}

// Every frame pixel of a face is the picture's pixel the slice table and GDI's stretching give.
void ExpectFrameFromPicture(std::int32_t w, std::int32_t h, StatePicture picture) {
    SCOPED_TRACE(std::string(StatePictureName(picture)) + " on " + std::to_string(w) + " x " + std::to_string(h));
    const PixelSurface face = Painted(w, h, picture, false);
    const RgbImage& image = StatePictureImage(picture);
    const auto columns = StretchSourceIndices(56, w - 8, Axis::kHorizontal);
    const auto rows = StretchSourceIndices(17, h - 8, Axis::kVertical);
    int checked = 0;
    for (std::int32_t y = 0; y < h; ++y) {
        for (std::int32_t x = 0; x < w; ++x) {
            const bool frame_x = x < 4 || x >= w - 4, frame_y = y < 4 || y >= h - 4;
            if (!frame_x && !frame_y) continue;
            const std::int32_t sx = x < 4 ? x : x >= w - 4 ? 64 - (w - x) : 4 + columns[x - 4];
            const std::int32_t sy = y < 4 ? y : y >= h - 4 ? 25 - (h - y) : 4 + rows[y - 4];
            ASSERT_EQ(Str(face.Pixel(x, y)), Str(PicturePixel(image, sx, sy))) << "at " << x << ", " << y;
            ++checked;
        }
    }
    EXPECT_EQ(checked, w * h - (w - 8) * (h - 8));
}

TEST(ButtonFrame, SmallButtonSqueezesTheSideStripsInto13Rows) {
    for (int p = 0; p < kStatePictureCount; ++p) ExpectFrameFromPicture(41, 21, static_cast<StatePicture>(p));
    const PixelSurface face = Painted(41, 21, StatePicture::Normal, false);
    // The reference corner lands unchanged; the bottom corners come from picture rows 21..24.
    EXPECT_EQ(Str(face.Pixel(0, 0)), "E9E7D5");
    EXPECT_EQ(Str(face.Pixel(2, 1)), "7A95A8");
    EXPECT_EQ(Str(face.Pixel(3, 3)), "FEFEFE");
    EXPECT_EQ(face.Pixel(1, 20), PicturePixel(StatePictureImage(StatePicture::Normal), 1, 24));
    // The left border ring stays whole along the squeezed side.
    for (int y = 4; y <= 16; ++y) EXPECT_EQ(Str(face.Pixel(1, y)), "003C74") << y;
}

TEST(ButtonFrame, WideButtonStretchesTopAndBottomTo73Columns) {
    for (int p = 0; p < kStatePictureCount; ++p) ExpectFrameFromPicture(81, 25, static_cast<StatePicture>(p));
    const PixelSurface face = Painted(81, 25, StatePicture::Normal, false);
    // The band of the outer top ring (picture columns 32..56) moves to where the stretch puts it.
    EXPECT_EQ(Str(face.Pixel(41, 0)), "DCD6C2");  // picture column 32
    EXPECT_EQ(Str(face.Pixel(40, 0)), "E0DCC9");  // picture column 31
    // Side strips 1:1: the side gradients keep their picture rows.
    const RgbImage& image = StatePictureImage(StatePicture::Normal);
    for (int y = 4; y <= 20; ++y) EXPECT_EQ(face.Pixel(78, y), PicturePixel(image, 61, y));
}

TEST(ButtonFrame, InsideTheFrameTheGradientStays) {
    const PixelSurface face = Painted(41, 21, StatePicture::Selected, false);
    for (int y = 4; y < 17; ++y) {
        for (int x = 4; x < 37; ++x) ASSERT_EQ(face.Pixel(x, y), face.Pixel(4, y)) << x << ", " << y;
    }
    EXPECT_EQ(Str(face.Pixel(4, 10)), "E2E2EB");
}

TEST(ButtonFrame, CopiesOutsideThePictureOrOfNoSizeAreRefused) {
    PixelSurface face(20, 20);
    EXPECT_FALSE(face.StretchCopy(StatePicture::Normal, {60, 0, 8, 4}, {0, 0, 8, 4}));
    EXPECT_FALSE(face.StretchCopy(StatePicture::Normal, {0, 0, 4, 4}, {0, 0, 0, 4}));
    EXPECT_FALSE(face.StretchCopy(StatePicture::Normal, {4, 0, 56, 4}, {4, 0, -2, 4}));
    EXPECT_EQ(face.Pixel(0, 0), kClearedFace);
}

TEST(ButtonCaption, BoxSpansTheWidthAndSitsByTheFormula) {
    const struct {
        int w, h;
        double top_twips;
        int top_pixels;
    } sizes[] = {{81, 25, 80.0, 5}, {41, 21, 50.0, 3}, {117, 28, 102.5, 7}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(std::to_string(s.w) + " x " + std::to_string(s.h));
        RecordingFace face({s.w, s.h});
        FakeTimer timer;
        Command command(face, timer);
        EXPECT_EQ(command.LblMsg().top, 90.0) << "design place until the first paint";
        command.UserControl_Resize();
        EXPECT_DOUBLE_EQ(command.LblMsg().top, s.top_twips);
        EXPECT_DOUBLE_EQ(command.LblMsg().width, s.w * 15.0);
        const PixelRect box = command.LblMsg().BoxPixels();
        EXPECT_EQ(box.x, 0);
        EXPECT_EQ(box.y, s.top_pixels);
        EXPECT_EQ(box.width, s.w);
        EXPECT_EQ(box.height, 13);
    }
}

}  // namespace
}  // namespace morvantis::button
