// Windows icon (.ico) and cursor (.cur) files for the pictures that the resource compiler
// takes in those formats: the settings dialog's icon and its link cursor.
//
// Both files hold one image: an ICONDIR header (6 bytes), one 16-byte directory entry, then a
// BITMAPINFOHEADER whose height counts the colour rows and the mask rows together, the palette,
// the colour rows and the transparency mask (1 bit per pixel, 1 = transparent), each row padded
// to 4 bytes, bottom row first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "renderer/image/rgb_image.h"

namespace morvantis::assets {

using FileBytes = std::vector<std::uint8_t>;

struct GeneratedFile {
    const char* file_name;  // name of the committed file in assets/
    FileBytes (*make)();
};

// The generated files that are not BMP pictures, in a fixed order.
const std::vector<GeneratedFile>& IconFileCatalogue();

// A picture with a transparency mask: transparent[i] for pixel i counted from the top-left,
// row by row.
struct MaskedPicture {
    RgbImage picture;  // bottom row first, as RgbImage keeps it
    std::vector<bool> transparent;
};

// An icon with a palette of at most 256 colours, chosen for the picture by median cut (the
// picture's own colours when it has no more than 256). Transparent pixels keep palette entry 0.
// Empty for a picture that is not well formed or wider or higher than 255 pixels.
FileBytes EncodeIcon256(const MaskedPicture& image);

// A monochrome cursor from rows of characters, top row first: 'X' black, 'o' white, anything
// else transparent. All rows must have the same length (a multiple of 8, at most 255); empty
// otherwise.
FileBytes EncodeMonochromeCursor(const std::vector<std::string>& rows, int hotSpotX, int hotSpotY);

// 32 x 32, 256 colours: a shaded sphere showing a banded escape-time fractal, on a transparent
// background.
MaskedPicture DialogIconPicture();
FileBytes MakeDialogIcon();

// 32 x 32 monochrome: a hand with the index finger pointing up, hot spot at the fingertip (12, 10).
const std::vector<std::string>& LinkCursorRows();
FileBytes MakeLinkCursor();

}  // namespace morvantis::assets
