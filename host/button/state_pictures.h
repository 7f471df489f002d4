// The button's six state pictures: 64 x 25 pixels, 24 bits, of which only the 4-pixel frame is
// ever drawn. They are made by the asset generator's functions and compiled into the program,
// so the native raster and the Windows control use the very same pixels as the committed files.
#pragma once

#include <cstdint>

#include "renderer/image/rgb_image.h"

namespace morvantis::button {

enum class StatePicture : std::uint8_t { Normal, HighLight, Pressed, Disable, HighLightSelect, Selected };

inline constexpr int kStatePictureCount = 6;
inline constexpr std::int32_t kPictureWidth = 64;
inline constexpr std::int32_t kPictureHeight = 25;

// "Normal", "HighLight", ...
const char* StatePictureName(StatePicture picture);

// The picture's pixels, made once and kept (RgbImage keeps the bottom row first).
const RgbImage& StatePictureImage(StatePicture picture);

}  // namespace morvantis::button
