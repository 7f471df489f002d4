// Saves a picture as PNG.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

namespace morvantis {

// RGB rows, top row first, written to `file` (which the caller opened and closes). False when the
// picture is empty or short, or the writing failed.
bool WritePng(std::FILE* file, int width, int height, const std::vector<std::uint8_t>& rgbTopDown);

}  // namespace morvantis
