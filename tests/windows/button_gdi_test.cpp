// GDI (GradientFill, StretchBlt) against the portable raster: the same pixels for every state
// picture, both gradient directions and the dialog's button sizes, and for any stretch.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "host/button/command.h"
#include "host/button/pixel_surface.h"
#include "host/button/win32_gdi_surface.h"

namespace morvantis::button {
namespace {

class NoTimer : public PollTimer {
public:
    bool Start(std::uint32_t) override { return true; }
};

// Paints the face through a Command, the way the control does.
void PaintLikeTheControl(FaceSurface& face, StatePicture picture, bool reversed) {
    NoTimer timer;
    Command command(face, timer);
    command.SetEnabled(true);
    command.Initialize();
    if (reversed) command.UserControl_MouseMove(0, 0, 0, 0);
    command.PaintState(picture);
}

// The first differing pixel, or an empty string.
std::string FirstDifference(const std::vector<Rgb8>& gdi, const std::vector<Rgb8>& native, int width) {
    if (gdi.size() != native.size()) return "sizes differ";
    for (std::size_t i = 0; i < gdi.size(); ++i) {
        if (gdi[i] != native[i]) {
            char text[96];
            std::snprintf(text, sizeof text, "at %d, %d: GDI %02X%02X%02X, native %02X%02X%02X",
                          static_cast<int>(i % width), static_cast<int>(i / width), gdi[i].r, gdi[i].g, gdi[i].b,
                          native[i].r, native[i].g, native[i].b);
            return text;
        }
    }
    return "";
}

TEST(ButtonGdiFace, EveryPictureOnTheDialogsSizesMatchesTheNativeRaster) {
    const PixelSize sizes[] = {{41, 21}, {81, 25}, {117, 28}, {64, 25}, {8, 8}, {200, 60}, {20, 11}};
    for (const PixelSize size : sizes) {
        for (int p = 0; p < kStatePictureCount; ++p) {
            for (const bool reversed : {false, true}) {
                const auto picture = static_cast<StatePicture>(p);
                SCOPED_TRACE(std::string(StatePictureName(picture)) + (reversed ? " reversed " : " ") +
                             std::to_string(size.width) + " x " + std::to_string(size.height));
                GdiSurface gdi(size.width, size.height);
                PixelSurface native(size.width, size.height);
                PaintLikeTheControl(gdi, picture, reversed);
                PaintLikeTheControl(native, picture, reversed);
                EXPECT_EQ(FirstDifference(gdi.Pixels(), native.Pixels(), size.width), "");
            }
        }
    }
}

TEST(ButtonGdiFace, GradientRowsMatchForEveryHeight) {
    for (int h = 2; h <= 70; ++h) {
        SCOPED_TRACE(h);
        GdiSurface gdi(5, h);
        PixelSurface native(5, h);
        GradientVertex v[4] = {};
        v[0] = {0, 0, 0xC600, 0xC500, 0xD700, 0};
        v[1] = {4, h - 1, 0xFF00, 0xFF00, 0xFF00, 0};
        ASSERT_TRUE(gdi.FillGradient(v, 4, {1, 0}));
        ASSERT_TRUE(native.FillGradient(v, 4, {1, 0}));
        EXPECT_EQ(FirstDifference(gdi.Pixels(), native.Pixels(), 5), "");
    }
}

TEST(ButtonGdiFace, StretchingPicksTheSamePixelsForAnySize) {
    // The whole picture (its corners vary along both axes) onto faces of many sizes.
    for (int w = 1; w <= 130; w += 3) {
        for (int h = 1; h <= 52; h += 5) {
            SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
            GdiSurface gdi(w, h);
            PixelSurface native(w, h);
            ASSERT_TRUE(gdi.StretchCopy(StatePicture::Selected, {0, 0, 64, 25}, {0, 0, w, h}));
            ASSERT_TRUE(native.StretchCopy(StatePicture::Selected, {0, 0, 64, 25}, {0, 0, w, h}));
            ASSERT_EQ(FirstDifference(gdi.Pixels(), native.Pixels(), w), "");
        }
    }
}

TEST(ButtonGdiFace, RefusesWhatTheNativeRasterRefuses) {
    GdiSurface gdi(20, 20);
    EXPECT_FALSE(gdi.StretchCopy(StatePicture::Normal, {60, 0, 8, 4}, {0, 0, 8, 4}));
    EXPECT_FALSE(gdi.StretchCopy(StatePicture::Normal, {4, 0, 56, 4}, {4, 0, -2, 4}));
    GradientVertex v[4] = {};
    EXPECT_FALSE(gdi.FillGradient(v, 1, {1, 0}));
    EXPECT_EQ(gdi.Pixels()[0], kClearedFace);
}

}  // namespace
}  // namespace morvantis::button
