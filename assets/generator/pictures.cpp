#include "assets/generator/pictures.h"

namespace morvantis::assets {

const std::vector<GeneratedPicture>& PictureCatalogue() {
    static const std::vector<GeneratedPicture> catalogue = {
        {"Morvantis1.bmp", &MakeSurfaceTexture},
        {"Morvantis2.bmp", &MakeSphereTexture},
        {"button_Normal.bmp", &MakeButtonNormal},
        {"button_HighLight.bmp", &MakeButtonHighLight},
        {"button_Selected.bmp", &MakeButtonSelected},
        {"button_HighLightSelect.bmp", &MakeButtonHighLightSelect},
        {"button_Pressed.bmp", &MakeButtonPressed},
        {"button_Disable.bmp", &MakeButtonDisable},
        {"dialog_panel.bmp", &MakeDialogPanelTexture},
        {"mark_empty.bmp", &MakeMarkEmpty},
        {"mark_selected.bmp", &MakeMarkSelected},
    };
    return catalogue;
}

}  // namespace morvantis::assets
