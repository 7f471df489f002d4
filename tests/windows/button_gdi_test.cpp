// GDI (GradientFill, StretchBlt) against the portable raster: the same pixels for every state
// picture, both gradient directions and many face sizes (squeezed, stretched and 1:1 edges).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/button/fake_face.h"
#include "host/button/pixel_surface.h"
#include "host/button/win32_gdi_surface.h"

namespace morvantis::button {
namespace {

// Where the two faces first differ, or an empty string.
std::string FirstDifference(const GdiSurface& gdi, const PixelSurface& native) {
    const std::vector<Rgb8> a = gdi.Pixels(), &b = native.Pixels();
    if (a.size() != b.size()) return "sizes differ";
    const auto at = static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin()).first - a.begin());
    const auto w = static_cast<std::size_t>(native.Size().width);
    return at == a.size() ? "" : "at " + std::to_string(at % w) + ", " + std::to_string(at / w);
}

TEST(ButtonGdiFace, EveryPictureOnManySizesMatchesTheNativeRaster) {
    // The dialog's sizes, the design size, the smallest and odd ones (any height checks the
    // gradient rows).
    for (const PixelSize size :
         {PixelSize{41, 21}, {81, 25}, {117, 28}, {64, 25}, {8, 8}, {200, 61}, {20, 11}, {9, 130}, {131, 9}}) {
        for (int p = 0; p < kStatePictureCount; ++p) {
            for (const bool reversed : {false, true}) {
                const auto picture = static_cast<StatePicture>(p);
                GdiSurface gdi(size.width, size.height);
                PixelSurface native(size.width, size.height);
                PaintLikeTheControl(gdi, picture, reversed);
                PaintLikeTheControl(native, picture, reversed);
                EXPECT_EQ(FirstDifference(gdi, native), "") << StatePictureName(picture) << (reversed ? " reversed " : " ")
                                                            << size.width << " x " << size.height;
            }
        }
    }
}

}  // namespace
}  // namespace morvantis::button
