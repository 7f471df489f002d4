#include "renderer/image/dib_decode.h"

#include "renderer/image/regular_file.h"

#include <algorithm>
#include <array>
#include <new>
#include <vector>

namespace morvantis {

namespace {

DibResult Fail(std::string text) { return DibResult{std::nullopt, std::move(text)}; }

// Where one colour channel sits in a pixel value.
struct Channel {
    int shift = 0;
    int bits = 0;
};

Channel ChannelOf(std::uint32_t mask) {
    Channel c;
    if (mask == 0) return c;
    while (((mask >> c.shift) & 1u) == 0) ++c.shift;
    while (c.shift + c.bits < 32 && ((mask >> (c.shift + c.bits)) & 1u) != 0) ++c.bits;
    return c;
}

std::uint8_t Expand(std::uint32_t pixel, const Channel& c) {
    if (c.bits == 0) return 0;
    const std::uint32_t v = (pixel >> c.shift) & ((c.bits >= 32 ? 0u : (1u << c.bits)) - 1u);
    if (c.bits >= 8) return static_cast<std::uint8_t>(v >> (c.bits - 8));
    return WidenChannel(v, c.bits);
}

// The red, green and blue channels of a layout's pixel values.
std::array<Channel, 3> ChannelsOf(const DibLayout& layout) {
    std::array<std::uint32_t, 3> masks{};
    if (layout.hasMasks) {
        masks = layout.masks;
    } else if (layout.header.bitCount == 16) {
        masks = {0x7C00, 0x03E0, 0x001F};
    } else if (layout.header.bitCount == 32) {
        masks = {0xFF0000, 0x00FF00, 0x0000FF};
    }
    return {ChannelOf(masks[0]), ChannelOf(masks[1]), ChannelOf(masks[2])};
}

class Writer {
public:
    Writer(const DibLayout& layout, RgbImage& image) : layout_(layout), image_(image) {}

    // Row `row` in the file's storage order.
    std::uint8_t* Row(std::int32_t row) {
        const std::int32_t bottomUp = layout_.topDown ? layout_.rows - 1 - row : row;
        return image_.pixels.data() + static_cast<std::size_t>(bottomUp) * image_.width * 3;
    }

    void PutIndex(std::uint8_t* dst, std::uint32_t index) const {
        const std::size_t entries = layout_.palette.size() / 4;
        if (index >= entries) {
            dst[0] = dst[1] = dst[2] = 0;
            return;
        }
        const std::uint8_t* e = layout_.palette.data() + index * 4;
        dst[0] = e[2];
        dst[1] = e[1];
        dst[2] = e[0];
    }

private:
    const DibLayout& layout_;
    RgbImage& image_;
};

void ConvertUncompressed(const DibLayout& layout, const std::uint8_t* pixels, RgbImage& image) {
    Writer out(layout, image);
    const std::uint16_t bitCount = layout.header.bitCount;
    const std::size_t stride = static_cast<std::size_t>(DibRowStride(layout.width, bitCount));
    const auto [red, green, blue] = ChannelsOf(layout);

    for (std::int32_t row = 0; row < layout.rows; ++row) {
        const std::uint8_t* src = pixels + static_cast<std::size_t>(row) * stride;
        std::uint8_t* dst = out.Row(row);
        for (std::int32_t x = 0; x < layout.width; ++x, dst += 3) {
            switch (bitCount) {
                case 1: out.PutIndex(dst, (src[x >> 3] >> (7 - (x & 7))) & 1u); break;
                case 4: out.PutIndex(dst, (src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15u); break;
                case 8: out.PutIndex(dst, src[x]); break;
                case 24:
                    dst[0] = src[3 * x + 2];
                    dst[1] = src[3 * x + 1];
                    dst[2] = src[3 * x];
                    break;
                default: {
                    std::uint32_t v = 0;
                    if (bitCount == 16) {
                        v = src[2 * x] | (src[2 * x + 1] << 8);
                    } else {
                        const std::uint8_t* p = src + 4 * x;
                        v = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
                    }
                    dst[0] = Expand(v, red);
                    dst[1] = Expand(v, green);
                    dst[2] = Expand(v, blue);
                    break;
                }
            }
        }
    }
}

void ConvertRle(const DibLayout& layout, const std::uint8_t* data, RgbImage& image) {
    Writer out(layout, image);
    const bool rle4 = layout.header.compression == kDibRle4;
    const std::size_t n = layout.pixelBytes;
    const std::int64_t width = layout.width, rows = layout.rows;
    std::int64_t x = 0, y = 0;
    std::size_t i = 0;
    auto put = [&](std::uint32_t index) {
        if (x < width && y < rows) out.PutIndex(out.Row(static_cast<std::int32_t>(y)) + 3 * x, index);
        ++x;
    };
    while (y < rows && n - i >= 2) {
        const std::uint8_t count = data[i], value = data[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count && x < width; ++k)
                put(rle4 ? ((k & 1) ? value & 15u : value >> 4) : value);
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of bitmap
            break;
        } else if (value == 2) {  // delta
            if (n - i < 2) break;
            x += data[i];
            y += data[i + 1];
            i += 2;
        } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
            const std::size_t bytes = rle4 ? (value + 1u) / 2 : value;
            if (n - i < bytes) break;
            for (int k = 0; k < value; ++k) {
                const std::uint8_t b = data[i + (rle4 ? k / 2 : k)];
                if (x < width) put(rle4 ? ((k & 1) ? b & 15u : b >> 4) : b);
            }
            i += bytes + (bytes & 1);
            if (i > n) i = n;
        }
    }
}

// Appends bytes [from, to) of `file`, `to` clipped to the file's length, to `bytes`.
bool ReadRange(RegularFile& file, std::uint64_t from, std::uint64_t to, std::vector<std::uint8_t>& bytes) {
    to = std::min(to, file.length());
    if (to <= from) return true;
    const std::size_t at = bytes.size();
    bytes.resize(at + static_cast<std::size_t>(to - from));
    return file.Read(from, static_cast<std::size_t>(to - from), bytes.data() + at);
}

}  // namespace

std::uint8_t WidenChannel(std::uint32_t value, int bits) {
    std::uint32_t wide = value;
    int filled = bits;
    for (; filled < 8; filled += bits) wide = wide << bits | value;
    return static_cast<std::uint8_t>(wide >> (filled - 8));
}

void WidenNarrowChannels(const DibLayout& layout, RgbImage& image) {
    const std::array<Channel, 3> channels = ChannelsOf(layout);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const Channel& c = channels[i % 3];
        if (c.bits >= 1 && c.bits <= 3) image.pixels[i] = WidenChannel(image.pixels[i] >> (8 - c.bits), c.bits);
    }
}

DibResult ConvertDibPixels(const DibLayout& layout, const std::uint8_t* pixels) {
    DibResult result;
    try {
        RgbImage image;
        image.width = layout.width;
        image.height = layout.rows;
        // Unwritten RLE pixels stay black.
        image.pixels.assign(static_cast<std::size_t>(layout.width) * layout.rows * 3, 0);
        const std::uint32_t compression = layout.header.compression;
        if (compression == kDibRle8 || compression == kDibRle4)
            ConvertRle(layout, pixels, image);
        else
            ConvertUncompressed(layout, pixels, image);
        result.image = std::move(image);
    } catch (const std::bad_alloc&) {
        return Fail(kDibOutOfMemory);
    }
    return result;
}

DibResult DecodeDib(const std::uint8_t* data, std::size_t size) {
    DibParseResult parsed = ParseDib(data, size);
    if (!parsed.layout) return Fail(std::move(parsed.error));
    return ConvertDibPixels(*parsed.layout, data + parsed.layout->pixelOffset);
}

DibResult ReadDibFile(const std::string& path) {
    // Only a regular file can be mapped by the Win32 reader, and an empty one cannot: the
    // same outcome here.
    RegularFile file(path);
    if (!file.ok() || file.length() == 0) return Fail(DibOpenFailedMessage(path));
    try {
        // The headers first (the first bytes tell how far they reach), then only the pixel data.
        std::vector<std::uint8_t> headers, pixels;
        if (!ReadRange(file, 0, kDibFileHeaderSize + kDibInfoHeaderSize, headers) ||
            !ReadRange(file, headers.size(), DibHeadersEnd(headers.data(), headers.size()), headers))
            return Fail(DibOpenFailedMessage(path));
        DibParseResult parsed = ParseDib(headers.data(), headers.size(), file.length());
        if (!parsed.layout) return Fail(std::move(parsed.error));
        const DibLayout& layout = *parsed.layout;
        if (!ReadRange(file, layout.pixelOffset, std::uint64_t{layout.pixelOffset} + layout.pixelBytes, pixels))
            return Fail(DibOpenFailedMessage(path));
        return ConvertDibPixels(layout, pixels.data());
    } catch (const std::bad_alloc&) {
        return Fail(kDibOutOfMemory);
    }
}

}  // namespace morvantis
