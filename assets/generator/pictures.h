// The pictures the programs carry, generated from code so that they can be remade at will.
//
// Each picture is one function in a file of its own; the catalogue lists them with the file
// name under which it is committed in assets/. To add a picture: write its function in a new
// file, declare it here, add it to the catalogue in pictures.cpp and run the `assets` target.
#pragma once

#include <vector>

#include "renderer/image/rgb_image.h"

namespace morvantis::assets {

struct GeneratedPicture {
    const char* file_name;  // name of the committed file in assets/, e.g. "Morvantis1.bmp"
    RgbImage (*make)();
};

// Every generated picture, in a fixed order.
const std::vector<GeneratedPicture>& PictureCatalogue();

// 128 x 128: colour-banded escape-time fractal (z^2 + c), sphere-mapped onto the surfaces.
RgbImage MakeSurfaceTexture();

// 256 x 256 grey levels: glowing cell borders, periodic in x and y, wrapped around the spheres.
RgbImage MakeSphereTexture();

// 64 x 25 each: the gradient button's state pictures (only their 4-pixel frames are drawn).
RgbImage MakeButtonNormal();
RgbImage MakeButtonHighLight();
RgbImage MakeButtonSelected();
RgbImage MakeButtonHighLightSelect();
RgbImage MakeButtonPressed();
RgbImage MakeButtonDisable();

// The settings dialog: 556 x 20 light grey brushed metal that covers its panel, and the 12 x 12
// selection marks (an empty square box; the box filled with blue).
RgbImage MakeDialogPanelTexture();
RgbImage MakeMarkEmpty();
RgbImage MakeMarkSelected();

}  // namespace morvantis::assets
