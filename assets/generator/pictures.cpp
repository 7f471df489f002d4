#include "assets/generator/pictures.h"

namespace morvantis::assets {

const std::vector<GeneratedPicture>& PictureCatalogue() {
    static const std::vector<GeneratedPicture> catalogue = {
        {"Morvantis1.bmp", &MakeSurfaceTexture},
        {"Morvantis2.bmp", &MakeSphereTexture},
    };
    return catalogue;
}

}  // namespace morvantis::assets
