// The settings dialog's generated pictures: the icon and cursor files as Windows reads them,
// their encoders, and what the panel texture and the marks look like.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "assets/generator/icon_files.h"
#include "assets/generator/picture_math.h"
#include "assets/generator/pictures.h"

namespace morvantis::assets {
namespace {

std::uint32_t U16(const FileBytes& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }
std::uint32_t U32(const FileBytes& b, std::size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Reads the one image of an icon or cursor file, checking its headers on the way.
class ImageFile {
public:
    explicit ImageFile(FileBytes bytes) : b_(std::move(bytes)) {
        EXPECT_GE(b_.size(), 62u);
        if (b_.size() < 62) return;
        EXPECT_EQ(U16(b_, 0), 0u);
        EXPECT_EQ(U16(b_, 4), 1u) << "one image";
        width_ = b_[6];
        height_ = b_[7];
        const std::uint32_t offset = U32(b_, 18);
        EXPECT_EQ(offset, 22u);
        EXPECT_EQ(U32(b_, 14), b_.size() - offset) << "size of the image in the directory";
        EXPECT_EQ(U32(b_, offset), 40u);
        EXPECT_EQ(static_cast<int>(U32(b_, offset + 4)), width_);
        EXPECT_EQ(static_cast<int>(U32(b_, offset + 8)), 2 * height_) << "colour and mask rows";
        bits_ = static_cast<int>(U16(b_, offset + 14));
        palette_ = offset + 40;
        colours_ = palette_ + (std::size_t{4} << bits_);
        mask_ = colours_ + Stride(bits_) * static_cast<std::size_t>(height_);
        EXPECT_EQ(mask_ + Stride(1) * static_cast<std::size_t>(height_), b_.size());
    }

    std::uint16_t Type() const { return static_cast<std::uint16_t>(U16(b_, 2)); }
    std::uint32_t DirectoryField(std::size_t at) const { return U16(b_, 6 + at); }  // planes/hot x at 4, bits/hot y at 6
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Bits() const { return bits_; }

    // Pixel at (x, y) from the top-left.
    int Index(int x, int y) const {
        const std::size_t row = colours_ + Stride(bits_) * static_cast<std::size_t>(height_ - 1 - y);
        const int bit = x * bits_;
        return b_.at(row + static_cast<std::size_t>(bit / 8)) >> (8 - bits_ - bit % 8) & ((1 << bits_) - 1);
    }
    Rgb Colour(int x, int y) const {
        const std::size_t at = palette_ + 4 * static_cast<std::size_t>(Index(x, y));
        return {b_.at(at + 2), b_.at(at + 1), b_.at(at)};
    }
    bool Transparent(int x, int y) const {
        const std::size_t row = mask_ + Stride(1) * static_cast<std::size_t>(height_ - 1 - y);
        return b_.at(row + static_cast<std::size_t>(x / 8)) >> (7 - x % 8) & 1;
    }

private:
    std::size_t Stride(int bits) const { return static_cast<std::size_t>((width_ * bits + 31) / 32 * 4); }

    FileBytes b_;
    int width_ = 0, height_ = 0, bits_ = 1;
    std::size_t palette_ = 0, colours_ = 0, mask_ = 0;
};

FileBytes Committed(const char* name) {
    std::ifstream in(std::filesystem::path(MORVANTIS_SOURCE_DIR) / "assets" / name, std::ios::binary);
    return FileBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Rgb PixelOf(const RgbImage& image, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(image.height - 1 - y) * image.width + x) * 3;
    return {image.pixels[at], image.pixels[at + 1], image.pixels[at + 2]};
}

TEST(DialogPictures, CommittedIconAndCursorAreWhatTheGeneratorMakesNow) {
    for (const GeneratedFile& file : IconFileCatalogue()) {
        const FileBytes generated = file.make();
        ASSERT_FALSE(generated.empty()) << file.file_name;
        EXPECT_TRUE(Committed(file.file_name) == generated)
            << file.file_name << ": run the `assets` target and commit the result";
    }
}

TEST(DialogPictures, IconIsA256ColourRoundPictureOnTransparency) {
    const ImageFile icon(MakeDialogIcon());
    EXPECT_EQ(icon.Type(), 1u);
    EXPECT_EQ(icon.Width(), 32);
    EXPECT_EQ(icon.Height(), 32);
    EXPECT_EQ(icon.Bits(), 8);
    EXPECT_EQ(icon.DirectoryField(4), 1u);  // planes
    EXPECT_EQ(icon.DirectoryField(6), 8u);  // bits per pixel
    std::set<int> used;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (icon.Transparent(x, y)) {
                // The screen shows through only where the colour under the mask is black.
                ASSERT_EQ(icon.Colour(x, y), (Rgb{0, 0, 0})) << x << ", " << y;
            } else {
                used.insert(icon.Index(x, y));
            }
        }
    for (const auto& [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}}) EXPECT_TRUE(icon.Transparent(x, y));
    for (const auto& [x, y] : {std::pair{16, 16}, {16, 2}, {2, 16}, {29, 16}}) EXPECT_FALSE(icon.Transparent(x, y));
    EXPECT_GT(used.size(), 100u) << "a palette picture, not a handful of colours";
}

TEST(DialogPictures, CursorIsAMonochromeHandWithItsHotSpotOnTheFingertip) {
    const ImageFile cursor(MakeLinkCursor());
    EXPECT_EQ(cursor.Type(), 2u);
    EXPECT_EQ(cursor.Width(), 32);
    EXPECT_EQ(cursor.Height(), 32);
    EXPECT_EQ(cursor.Bits(), 1);
    EXPECT_EQ(cursor.DirectoryField(4), 12u);  // hot spot
    EXPECT_EQ(cursor.DirectoryField(6), 10u);
    // The tip is the topmost drawn pixel and black; the finger below it is white.
    EXPECT_FALSE(cursor.Transparent(12, 10));
    EXPECT_EQ(cursor.Colour(12, 10), (Rgb{0, 0, 0}));
    EXPECT_EQ(cursor.Colour(12, 11), (Rgb{255, 255, 255}));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 32; ++x) ASSERT_TRUE(cursor.Transparent(x, y)) << x << ", " << y;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (cursor.Transparent(x, y)) {
                ASSERT_EQ(cursor.Colour(x, y), (Rgb{0, 0, 0}));
            }
}

TEST(DialogPictures, IconEncoderFindsA256ColourPaletteCloseToEveryPixel) {
    // 4096 different colours, each matched by one of 255 within a small distance.
    MaskedPicture many{BlankImage(64, 64), std::vector<bool>(64 * 64, false)};
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) PutPixel(many.picture, x, y, {x / 63.0, y / 63.0, (x + y) / 126.0});
    const ImageFile icon(EncodeIcon256(many));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const Rgb a = icon.Colour(x, y), b = PixelOf(many.picture, x, y);
            ASSERT_LE(std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b), 40) << x << ", " << y;
        }
}

TEST(DialogPictures, PanelIsLightGreyMetalAndTheMarksAreBoxes) {
    const RgbImage panel = MakeDialogPanelTexture();
    ASSERT_EQ(panel.width, 556);
    ASSERT_EQ(panel.height, 20);
    double sum = 0;
    std::set<int> levels;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 556; ++x) {
            const Rgb c = PixelOf(panel, x, y);
            ASSERT_LE(std::abs(c.r - c.g) + std::abs(c.b - c.g), 8) << "grey at " << x << ", " << y;
            sum += c.g;
            levels.insert(c.g);
        }
    EXPECT_GT(sum / (556 * 20), 200) << "light enough for black labels";
    EXPECT_GT(levels.size(), 15u) << "brushed, not flat";

    const RgbImage empty = MakeMarkEmpty(), selected = MakeMarkSelected();
    ASSERT_EQ(empty.width, 12);
    ASSERT_EQ(selected.height, 12);
    EXPECT_EQ(PixelOf(empty, 6, 6), (Rgb{255, 255, 255}));
    const Rgb blue = PixelOf(selected, 6, 6);
    EXPECT_GT(blue.b, blue.r + 80);
    EXPECT_EQ(PixelOf(empty, 0, 0), PixelOf(selected, 0, 0)) << "the same box around both";
}

}  // namespace
}  // namespace morvantis::assets
