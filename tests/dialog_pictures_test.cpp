// The settings dialog's icon and link cursor: the committed files are what the generator makes,
// laid out as Windows reads them, with the cursor's hot spot on the fingertip. (The panel
// texture and the marks are BMP pictures, pinned byte for byte by the assets tests.)
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "assets/generator/icon_files.h"

namespace morvantis::assets {
namespace {

std::uint32_t U16(const FileBytes& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }
std::uint32_t U32(const FileBytes& b, std::size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

// Bytes in a row of 32 pixels, padded to 4.
std::size_t Stride(std::uint32_t bits) { return (32 * bits + 31) / 32 * 4; }

// Pixel (x, y) from the top-left of a file's 32 x 32 image: its colour as 0xRRGGBB and
// whether the mask makes it transparent.
struct Pixel {
    std::uint32_t rgb;
    bool transparent;
};
Pixel PixelAt(const FileBytes& b, std::uint32_t bits, int x, int y) {
    const std::size_t palette = 62, colours = palette + (std::size_t{4} << bits), mask = colours + Stride(bits) * 32;
    const std::size_t row = static_cast<std::size_t>(31 - y), bit = static_cast<std::size_t>(x) * bits;
    const std::size_t index = b.at(colours + Stride(bits) * row + bit / 8) >> (8 - bits - bit % 8) & ((1u << bits) - 1);
    return {U32(b, palette + 4 * index) & 0xFFFFFF, (b.at(mask + Stride(1) * row + x / 8u) >> (7 - x % 8) & 1) != 0};
}

FileBytes Committed(const char* name) {
    std::ifstream in(std::filesystem::path(MORVANTIS_SOURCE_DIR) / "assets" / name, std::ios::binary);
    return FileBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(DialogPictures, IconAndCursorAreCommittedAsOneImageFilesWindowsReads) {
    const struct {
        const char* name;
        std::uint32_t type, bits, entry4, entry6;  // the directory's planes and bit count, or hot spot
    } expected[] = {{"dialog.ico", 1, 8, 1, 8}, {"link.cur", 2, 1, 12, 10}};
    const std::vector<GeneratedFile>& catalogue = IconFileCatalogue();
    ASSERT_EQ(catalogue.size(), std::size(expected));
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const auto& e = expected[i];
        SCOPED_TRACE(e.name);
        ASSERT_STREQ(catalogue[i].file_name, e.name);
        const FileBytes b = catalogue[i].make();
        EXPECT_TRUE(Committed(e.name) == b) << "run the `assets` target and commit the result";
        // Directory, one 32 x 32 entry, BITMAPINFOHEADER (colour and mask rows), palette, rows, mask.
        ASSERT_EQ(b.size(), 62 + (std::size_t{4} << e.bits) + (Stride(e.bits) + Stride(1)) * 32);
        const std::vector<std::uint32_t> header{U16(b, 0),  U16(b, 2),  U16(b, 4),  b[6],       b[7],
                                                U16(b, 10), U16(b, 12), U32(b, 14), U32(b, 18), U32(b, 22),
                                                U32(b, 26), U32(b, 30), U16(b, 36)};
        EXPECT_EQ(header, (std::vector<std::uint32_t>{0, e.type, 1, 32, 32, e.entry4, e.entry6,
                                                      static_cast<std::uint32_t>(b.size() - 22), 22, 40, 32, 64,
                                                      e.bits}));
        // The screen shows through only where the colour under the mask is black.
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const Pixel p = PixelAt(b, e.bits, x, y);
                ASSERT_EQ(p.transparent ? p.rgb : 0u, 0u) << x << ", " << y;
            }
    }
}

TEST(DialogPictures, IconIsRoundAndTheCursorsHotSpotIsTheFingertip) {
    const FileBytes icon = MakeDialogIcon(), cursor = MakeLinkCursor();
    EXPECT_TRUE(PixelAt(icon, 8, 0, 0).transparent && PixelAt(icon, 8, 31, 31).transparent);
    EXPECT_FALSE(PixelAt(icon, 8, 16, 16).transparent || PixelAt(icon, 8, 2, 16).transparent);
    // (12, 10): the topmost drawn pixel, black, with the white finger below it.
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 32; ++x) ASSERT_TRUE(PixelAt(cursor, 1, x, y).transparent) << x << ", " << y;
    EXPECT_FALSE(PixelAt(cursor, 1, 12, 10).transparent);
    EXPECT_EQ(PixelAt(cursor, 1, 12, 10).rgb, 0u);
    EXPECT_EQ(PixelAt(cursor, 1, 12, 11).rgb, 0xFFFFFFu);
}

}  // namespace
}  // namespace morvantis::assets
