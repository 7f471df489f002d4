#include "host/button/state_pictures.h"

#include <array>

#include "assets/generator/pictures.h"

namespace morvantis::button {

const char* StatePictureName(StatePicture picture) {
    switch (picture) {
        case StatePicture::Normal: return "Normal";
        case StatePicture::HighLight: return "HighLight";
        case StatePicture::Pressed: return "Pressed";
        case StatePicture::Disable: return "Disable";
        case StatePicture::HighLightSelect: return "HighLightSelect";
        case StatePicture::Selected: return "Selected";
    }
    return "?";
}

const RgbImage& StatePictureImage(StatePicture picture) {
    static const std::array<RgbImage, kStatePictureCount> images = {
        assets::MakeButtonNormal(),  assets::MakeButtonHighLight(),       assets::MakeButtonPressed(),
        assets::MakeButtonDisable(), assets::MakeButtonHighLightSelect(), assets::MakeButtonSelected(),
    };
    return images[static_cast<std::size_t>(picture)];
}

}  // namespace morvantis::button
