#include "assets/generator/icon_files.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <tuple>

namespace morvantis::assets {
namespace {

constexpr std::size_t kIconDirSize = 6;
constexpr std::size_t kIconDirEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint16_t kTypeIcon = 1;
constexpr std::uint16_t kTypeCursor = 2;

struct Rgb {
    int r = 0, g = 0, b = 0;
    int Channel(int c) const { return c == 0 ? r : c == 1 ? g : b; }
    bool operator<(const Rgb& o) const { return std::tie(r, g, b) < std::tie(o.r, o.g, o.b); }
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

void PutU16(FileBytes& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFF));
}

void PutU32(FileBytes& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

std::size_t Stride(int width, int bitsPerPixel) {
    return static_cast<std::size_t>((width * bitsPerPixel + 31) / 32 * 4);
}

// One image of an icon or cursor file. `colourIndex` and `transparent` run from the top-left,
// row by row; the file stores both bottom row first.
FileBytes EncodeImageFile(std::uint16_t type, int width, int height, int bitsPerPixel,
                          const std::vector<Rgb>& palette, const std::vector<std::uint8_t>& colourIndex,
                          const std::vector<bool>& transparent, std::uint16_t planesOrHotX,
                          std::uint16_t bitCountOrHotY) {
    const std::size_t colourStride = Stride(width, bitsPerPixel);
    const std::size_t maskStride = Stride(width, 1);
    const std::size_t pixelBytes = (colourStride + maskStride) * static_cast<std::size_t>(height);
    const std::size_t imageBytes = kInfoHeaderSize + palette.size() * 4 + pixelBytes;

    FileBytes out;
    PutU16(out, 0);
    PutU16(out, type);
    PutU16(out, 1);
    out.push_back(static_cast<std::uint8_t>(width));
    out.push_back(static_cast<std::uint8_t>(height));
    out.push_back(static_cast<std::uint8_t>(palette.size() >= 256 ? 0 : palette.size()));
    out.push_back(0);
    PutU16(out, planesOrHotX);
    PutU16(out, bitCountOrHotY);
    PutU32(out, static_cast<std::uint32_t>(imageBytes));
    PutU32(out, static_cast<std::uint32_t>(kIconDirSize + kIconDirEntrySize));

    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(width));
    PutU32(out, static_cast<std::uint32_t>(height * 2));  // colour rows and mask rows
    PutU16(out, 1);
    PutU16(out, static_cast<std::uint32_t>(bitsPerPixel));
    PutU32(out, 0);  // BI_RGB
    PutU32(out, static_cast<std::uint32_t>(pixelBytes));
    for (int i = 0; i < 4; ++i) PutU32(out, 0);  // resolution, colours used and important
    for (const Rgb& c : palette) {
        out.push_back(static_cast<std::uint8_t>(c.b));
        out.push_back(static_cast<std::uint8_t>(c.g));
        out.push_back(static_cast<std::uint8_t>(c.r));
        out.push_back(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        FileBytes row(colourStride, 0);
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * width + x);
            const int bit = x * bitsPerPixel;
            row[static_cast<std::size_t>(bit / 8)] |=
                static_cast<std::uint8_t>(colourIndex[i] << (8 - bitsPerPixel - bit % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = height - 1; y >= 0; --y) {
        FileBytes row(maskStride, 0);
        for (int x = 0; x < width; ++x)
            if (transparent[static_cast<std::size_t>(y * width + x)])
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

// At most `count` colours standing for `pixels`: the distinct colours when there are few
// enough, else the averages of boxes split at the median of their widest channel.
std::vector<Rgb> MedianCut(std::vector<Rgb> pixels, std::size_t count) {
    std::vector<Rgb> distinct = pixels;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    if (distinct.size() <= count) return distinct;

    using Box = std::vector<Rgb>;
    const auto range = [](const Box& box, int channel) {
        const auto [lo, hi] = std::minmax_element(box.begin(), box.end(), [channel](const Rgb& a, const Rgb& b) {
            return a.Channel(channel) < b.Channel(channel);
        });
        return hi->Channel(channel) - lo->Channel(channel);
    };
    std::vector<Box> boxes{std::move(pixels)};
    while (boxes.size() < count) {
        std::size_t widest = 0;
        int widestChannel = 0, widestRange = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i)
            for (int channel = 0; channel < 3; ++channel)
                if (const int r = range(boxes[i], channel); r > widestRange) {
                    widest = i;
                    widestChannel = channel;
                    widestRange = r;
                }
        if (widestRange == 0) break;
        Box& box = boxes[widest];
        std::sort(box.begin(), box.end(), [widestChannel](const Rgb& a, const Rgb& b) {
            return std::make_tuple(a.Channel(widestChannel), a.r, a.g, a.b) <
                   std::make_tuple(b.Channel(widestChannel), b.r, b.g, b.b);
        });
        Box upper(box.begin() + static_cast<std::ptrdiff_t>(box.size() / 2), box.end());
        box.resize(box.size() / 2);
        boxes.push_back(std::move(upper));
    }
    std::vector<Rgb> palette;
    for (const Box& box : boxes) {
        const int n = static_cast<int>(box.size());
        Rgb sum;
        for (const Rgb& c : box) sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
        palette.push_back({(sum.r + n / 2) / n, (sum.g + n / 2) / n, (sum.b + n / 2) / n});
    }
    return palette;
}

std::uint8_t Nearest(const std::vector<Rgb>& palette, const Rgb& c, std::size_t first) {
    std::size_t best = first;
    int bestDistance = -1;
    for (std::size_t i = first; i < palette.size(); ++i) {
        const int dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
        const int d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return static_cast<std::uint8_t>(best);
}

}  // namespace

const std::vector<GeneratedFile>& IconFileCatalogue() {
    static const std::vector<GeneratedFile> catalogue = {
        {"dialog.ico", &MakeDialogIcon},
        {"link.cur", &MakeLinkCursor},
    };
    return catalogue;
}

FileBytes EncodeIcon256(const MaskedPicture& image) {
    const RgbImage& p = image.picture;
    const std::size_t count = static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height);
    if (p.width <= 0 || p.height <= 0 || p.width > 255 || p.height > 255 || p.pixels.size() != count * 3 ||
        image.transparent.size() != count)
        return {};
    // Pixels from the top-left, row by row.
    std::vector<Rgb> pixels(count);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const std::size_t at = (static_cast<std::size_t>(p.height - 1 - y) * p.width + x) * 3;
            pixels[static_cast<std::size_t>(y * p.width + x)] = {p.pixels[at], p.pixels[at + 1], p.pixels[at + 2]};
        }
    std::vector<Rgb> opaque;
    for (std::size_t i = 0; i < count; ++i)
        if (!image.transparent[i]) opaque.push_back(pixels[i]);

    // Entry 0 is black, the colour under a transparent pixel, so that the screen shows through.
    std::vector<Rgb> palette{Rgb{}};
    for (const Rgb& c : MedianCut(opaque, 255)) palette.push_back(c);
    palette.resize(256);

    std::vector<std::uint8_t> index(count, 0);
    for (std::size_t i = 0; i < count; ++i)
        if (!image.transparent[i]) index[i] = Nearest(palette, pixels[i], 1);
    return EncodeImageFile(kTypeIcon, p.width, p.height, 8, palette, index, image.transparent, 1, 8);
}

FileBytes EncodeMonochromeCursor(const std::vector<std::string>& rows, int hotSpotX, int hotSpotY) {
    const int height = static_cast<int>(rows.size());
    const int width = rows.empty() ? 0 : static_cast<int>(rows.front().size());
    if (width <= 0 || width > 255 || width % 8 != 0 || height > 255) return {};
    std::vector<std::uint8_t> index;
    std::vector<bool> transparent;
    for (const std::string& row : rows) {
        if (static_cast<int>(row.size()) != width) return {};
        for (const char c : row) {
            index.push_back(c == 'o' ? 1 : 0);
            transparent.push_back(c != 'o' && c != 'X');
        }
    }
    const std::vector<Rgb> palette{{0, 0, 0}, {255, 255, 255}};
    return EncodeImageFile(kTypeCursor, width, height, 1, palette, index, transparent,
                           static_cast<std::uint16_t>(hotSpotX), static_cast<std::uint16_t>(hotSpotY));
}

}  // namespace morvantis::assets
