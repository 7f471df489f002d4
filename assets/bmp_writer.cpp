#include "assets/bmp_writer.h"

#include <fstream>
#include <limits>

namespace morvantis {
namespace {

void PutU16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    out[at] = static_cast<std::uint8_t>(value & 0xFFu);
    out[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFFu);
}

void PutU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    PutU16(out, at, value & 0xFFFFu);
    PutU16(out, at + 2, value >> 16);
}

}  // namespace

std::size_t BmpRowStride(std::int32_t width) {
    const std::size_t bytes = static_cast<std::size_t>(width) * 3;
    return (bytes + 3) & ~static_cast<std::size_t>(3);
}

bool IsWellFormed(const RgbImage& image) {
    if (image.width <= 0 || image.height <= 0) return false;
    const std::size_t w = static_cast<std::size_t>(image.width);
    const std::size_t h = static_cast<std::size_t>(image.height);
    // The file size field is 32 bits wide.
    if (BmpRowStride(image.width) > (std::numeric_limits<std::uint32_t>::max() - kBmpPixelDataOffset) / h) {
        return false;
    }
    return image.pixels.size() == w * h * 3;
}

std::vector<std::uint8_t> EncodeBmp24(const RgbImage& image) {
    if (!IsWellFormed(image)) return {};
    const std::size_t w = static_cast<std::size_t>(image.width);
    const std::size_t h = static_cast<std::size_t>(image.height);
    const std::size_t stride = BmpRowStride(image.width);
    const std::size_t data_size = stride * h;

    std::vector<std::uint8_t> out(kBmpPixelDataOffset + data_size, 0);
    // BITMAPFILEHEADER
    out[0] = 'B';
    out[1] = 'M';
    PutU32(out, 2, static_cast<std::uint32_t>(out.size()));
    // bytes 6..9: two reserved words, zero
    PutU32(out, 10, static_cast<std::uint32_t>(kBmpPixelDataOffset));
    // BITMAPINFOHEADER
    PutU32(out, 14, static_cast<std::uint32_t>(kBmpInfoHeaderSize));
    PutU32(out, 18, static_cast<std::uint32_t>(image.width));
    PutU32(out, 22, static_cast<std::uint32_t>(image.height));  // positive: bottom-up rows
    PutU16(out, 26, 1);                                          // planes
    PutU16(out, 28, 24);                                         // bits per pixel
    // byte 30: compression BI_RGB = 0
    PutU32(out, 34, static_cast<std::uint32_t>(data_size));
    // bytes 38..53: resolutions, colours used and important, all zero

    for (std::size_t row = 0; row < h; ++row) {
        const std::uint8_t* src = image.pixels.data() + row * w * 3;
        std::uint8_t* dst = out.data() + kBmpPixelDataOffset + row * stride;
        for (std::size_t x = 0; x < w; ++x) {
            dst[3 * x + 0] = src[3 * x + 2];
            dst[3 * x + 1] = src[3 * x + 1];
            dst[3 * x + 2] = src[3 * x + 0];
        }
        // the padding bytes after each row stay zero
    }
    return out;
}

bool WriteBmp24(const std::filesystem::path& path, const RgbImage& image) {
    const std::vector<std::uint8_t> bytes = EncodeBmp24(image);
    if (bytes.empty()) return false;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

}  // namespace morvantis
