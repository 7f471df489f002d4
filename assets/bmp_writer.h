// Writing pictures as uncompressed 24-bit Windows BMP files.
//
// The output is the plainest BMP every reader accepts: BITMAPFILEHEADER (14 bytes), then a
// 40-byte BITMAPINFOHEADER (BI_RGB, 24 bits per pixel, positive height so rows run bottom-up,
// no palette), then the rows of blue, green, red bytes, each padded with zeros to a multiple of
// 4 bytes. No OS header is needed: the host uses it on Windows, the asset generator on Linux.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "renderer/image/rgb_image.h"

namespace morvantis {

inline constexpr std::size_t kBmpFileHeaderSize = 14;
inline constexpr std::size_t kBmpInfoHeaderSize = 40;
inline constexpr std::size_t kBmpPixelDataOffset = kBmpFileHeaderSize + kBmpInfoHeaderSize;

// Bytes of one stored row of a 24-bit BMP `width` pixels wide, padding included.
std::size_t BmpRowStride(std::int32_t width);

// True when the image has a positive size and exactly width * height * 3 pixel bytes.
bool IsWellFormed(const RgbImage& image);

// The complete BMP file for `image` (its first row is the bottom row of the picture).
// Returns an empty vector for an image that is not well formed.
std::vector<std::uint8_t> EncodeBmp24(const RgbImage& image);

// Writes EncodeBmp24(image) to `path`, replacing the file. False when the image is not well
// formed or the file cannot be written completely.
bool WriteBmp24(const std::filesystem::path& path, const RgbImage& image);

}  // namespace morvantis
