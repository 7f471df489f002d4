// Saves a picture as PNG.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morvantis {

// RGB rows, top row first. False when the file cannot be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgbTopDown);

}  // namespace morvantis
