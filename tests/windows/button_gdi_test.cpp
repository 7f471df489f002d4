// GDI (GradientFill, StretchBlt) against the portable raster: the same pixels for every state
// picture, both gradient directions and the dialog's button sizes, and for any stretch.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/button/command.h"
#include "host/button/fake_face.h"
#include "host/button/pixel_surface.h"
#include "host/button/win32_gdi_surface.h"

namespace morvantis::button {
namespace {

// Where the two faces first differ, or an empty string.
std::string FirstDifference(const std::vector<Rgb8>& gdi, const std::vector<Rgb8>& native, int width) {
    if (gdi.size() != native.size()) return "sizes differ";
    const auto at = static_cast<std::size_t>(std::mismatch(gdi.begin(), gdi.end(), native.begin()).first - gdi.begin());
    return at == gdi.size() ? "" : "at " + std::to_string(at % width) + ", " + std::to_string(at / width);
}

TEST(ButtonGdiFace, EveryPictureOnTheDialogsSizesMatchesTheNativeRaster) {
    // The dialog's sizes, the design size, the smallest and a few odd ones (any height checks
    // the gradient rows).
    for (const PixelSize size :
         {PixelSize{41, 21}, {81, 25}, {117, 28}, {64, 25}, {8, 8}, {200, 61}, {20, 11}, {50, 34}}) {
        for (int p = 0; p < kStatePictureCount; ++p) {
            for (const bool reversed : {false, true}) {
                const auto picture = static_cast<StatePicture>(p);
                GdiSurface gdi(size.width, size.height);
                PixelSurface native(size.width, size.height);
                PaintLikeTheControl(gdi, picture, reversed);
                PaintLikeTheControl(native, picture, reversed);
                EXPECT_EQ(FirstDifference(gdi.Pixels(), native.Pixels(), size.width), "")
                    << StatePictureName(picture) << (reversed ? " reversed " : " ") << size.width << " x "
                    << size.height;
            }
        }
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

}  // namespace
}  // namespace morvantis::button
