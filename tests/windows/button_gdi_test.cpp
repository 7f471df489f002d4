// GDI (GradientFill, StretchBlt) against the portable raster: the same pixels for every state
// picture, both gradient directions and many face sizes (squeezed, stretched and 1:1 edges).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "host/button/fake_face.h"
#include "host/button/pixel_surface.h"
#include "host/button/win32_gdi_surface.h"

namespace morvantis::button {
namespace {

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
                EXPECT_TRUE(gdi.Pixels() == native.Pixels())
                    << StatePictureName(picture) << (reversed ? "~ " : " ") << size.width << " x " << size.height;
            }
        }
    }
}

}  // namespace
}  // namespace morvantis::button
