// A decoded picture ready for texture upload.
#pragma once

#include <cstdint>
#include <vector>

namespace morvantis {

// Rows of 3 bytes per pixel (red, green, blue), tightly packed, bottom row first: the order
// in which OpenGL takes texture rows.
struct RgbImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> pixels;
};

}  // namespace morvantis
