// The DIB header logic and the portable converter: the BMP suite's files against its reference
// renderings, its malformed files, and small files built here for the cases the suite lacks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "renderer/dib_decode.h"

#ifdef MORVANTIS_HAVE_PNG
#include <png.h>
#endif

namespace morvantis {
namespace {

using Bytes = std::vector<std::uint8_t>;
const std::string kSuite = std::string(MORVANTIS_TESTDATA_DIR) + "/bmpsuite/";

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Rows of INDEX.tsv or REFS.tsv, keyed by the file's path in the suite.
std::map<std::string, std::vector<std::string>> ReadTable(const std::string& name) {
    std::map<std::string, std::vector<std::string>> rows;
    const Bytes raw = ReadBytes(kSuite + name);
    std::istringstream text(std::string(raw.begin(), raw.end()));
    std::string line, cell;
    std::getline(text, line);  // column names
    while (std::getline(text, line)) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        while (std::getline(fields, cell, '\t')) cells.push_back(cell);
        if (!cells.empty()) rows[cells[0]] = cells;
    }
    return rows;
}

void Put32(Bytes& b, std::uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(v >> 8 * i)); }
void Put16(Bytes& b, std::uint16_t v) { b.push_back(std::uint8_t(v)); b.push_back(std::uint8_t(v >> 8)); }

// A BMP file built in memory. `table` holds the masks and palette exactly as stored.
struct Bmp {
    bool fileHeader = true;
    std::uint32_t headerSize = 40;
    std::int32_t width = 1, height = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0, sizeImage = 0, colorsUsed = 0;
    Bytes table, pixels;
    std::uint32_t gap = 0;  // bytes between the table and the pixel data

    Bytes Build() const {
        Bytes b;
        if (fileHeader) {
            b = {'B', 'M'};
            Put32(b, 0);
            Put32(b, 0);
            Put32(b, 14 + headerSize + std::uint32_t(table.size()) + gap);
        }
        Put32(b, headerSize);
        if (headerSize == 12) {
            Put16(b, std::uint16_t(width));
            Put16(b, std::uint16_t(height));
            Put16(b, 1);
            Put16(b, bitCount);
        } else {
            for (std::uint32_t v : {std::uint32_t(width), std::uint32_t(height)}) Put32(b, v);
            Put16(b, 1);
            Put16(b, bitCount);
            for (std::uint32_t v : {compression, sizeImage, 0u, 0u, colorsUsed, 0u}) Put32(b, v);
        }
        b.insert(b.end(), table.begin(), table.end());
        b.insert(b.end(), gap, 0xEE);
        b.insert(b.end(), pixels.begin(), pixels.end());
        return b;
    }
};

// Decodes from a buffer of exactly the file's size, so the sanitizer sees any read past its end.
DibResult Decode(const Bytes& file) {
    std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[file.size()]);
    std::copy(file.begin(), file.end(), exact.get());
    return DecodeDib(exact.get(), file.size());
}

#ifdef MORVANTIS_HAVE_PNG
// Pixels of the image from the top row down, as the references store them.
Bytes TopDown(const RgbImage& image) {
    Bytes out;
    for (std::int32_t y = image.height - 1; y >= 0; --y) {
        auto row = image.pixels.begin() + std::size_t(y) * image.width * 3;
        out.insert(out.end(), row, row + image.width * 3);
    }
    return out;
}

bool ReadPng(const std::string& path, RgbImage& image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return false;
    png.format = PNG_FORMAT_RGB;
    image.width = std::int32_t(png.width);
    image.height = std::int32_t(png.height);
    image.pixels.resize(PNG_IMAGE_SIZE(png));
    return png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr) != 0;
}
#endif

TEST(DibSuite, GoodFilesMatchTheirReferencesAndNewerHeadersAreRefused) {
    auto index = ReadTable("INDEX.tsv"), refs = ReadTable("REFS.tsv");
    ASSERT_EQ(index.size(), 91u) << "the BMP suite is missing";
#ifdef MORVANTIS_HAVE_PNG
    int compared = 0;
#endif
    for (const auto& [path, row] : index) {
        if (path.rfind("g/", 0) != 0) continue;
        SCOPED_TRACE(path);
        DibResult r = ReadDibFile(kSuite + path);
        if (row[1] != "12" && row[1] != "40") {
            EXPECT_EQ(r.error, kDibUnknownFormat);
            continue;
        }
        ASSERT_TRUE(r.image) << r.error;
        EXPECT_EQ(r.image->width, std::abs(std::stoi(row[2])));
        EXPECT_EQ(r.image->height, std::abs(std::stoi(row[3])));
#ifdef MORVANTIS_HAVE_PNG
        // A reference or one of its alternatives must have our size and pixels. The references
        // scale 5-bit channels by rounding, we (like GDI) by repeating the top bits: off by 1.
        const int tolerance = row[4] == "16" ? 1 : 0;
        std::string candidates = refs[path][1] + "," + refs[path][2];
        bool matched = false;
        std::istringstream names(candidates);
        for (std::string name; std::getline(names, name, ',') && !matched;) {
            RgbImage ref;
            if (name == "-" || !ReadPng(kSuite + name, ref) || ref.width != r.image->width ||
                ref.height != r.image->height)
                continue;
            Bytes ours = TopDown(*r.image);
            matched = true;
            for (std::size_t i = 0; i < ours.size(); ++i)
                matched = matched && std::abs(ours[i] - ref.pixels[i]) <= tolerance;
        }
        EXPECT_TRUE(matched) << "differs from " << candidates;
        ++compared;
#endif
    }
#ifdef MORVANTIS_HAVE_PNG
    EXPECT_EQ(compared, 25);
#endif
}

TEST(DibSuite, QuestionableAndBadFilesGiveAnImageOrAKnownText) {
    const std::set<std::string> texts = {kDibOutOfMemory, kDibUnknownFormat, kDibConversionError,
                                         kDibTruncated};
    for (const auto& [path, row] : ReadTable("INDEX.tsv")) {
        if (path[0] == 'g') continue;
        SCOPED_TRACE(path);
        DibResult r = Decode(ReadBytes(kSuite + path));
        if (r.image) {
            EXPECT_LE(std::int64_t{r.image->width} * r.image->height, kDibMaxPixels);
            EXPECT_EQ(r.image->pixels.size(), std::size_t(r.image->width) * r.image->height * 3);
        } else {
            EXPECT_EQ(texts.count(r.error), 1u) << r.error;
        }
    }
    const std::map<std::string, std::string> refused = {
        {"b/badbitcount.bmp", kDibConversionError}, {"b/badheadersize.bmp", kDibUnknownFormat},
        {"b/badpalettesize.bmp", kDibTruncated},    {"b/badwidth.bmp", kDibConversionError},
        {"b/reallybig.bmp", kDibOutOfMemory},       {"b/rgb16-880.bmp", kDibConversionError},
        {"b/rletopdown.bmp", kDibConversionError},  {"b/shortfile.bmp", kDibTruncated},
        {"q/pal2.bmp", kDibConversionError},        {"q/rgba64.bmp", kDibConversionError},
        {"q/pal8os2v2-16.bmp", kDibUnknownFormat},  {"x/ba-bm.bmp", kDibUnknownFormat}};
    for (const auto& [path, text] : refused) EXPECT_EQ(Decode(ReadBytes(kSuite + path)).error, text) << path;
}

TEST(DibSuite, EveryShortenedGoodFileIsRefusedOrDecodedWithinItsBytes) {
    for (auto [name, rle] : {std::pair{"g/pal1.bmp", false}, {"g/pal8os2.bmp", false},
                             {"g/rgb16-565.bmp", false}, {"g/rgb32bf.bmp", false},
                             {"g/pal8topdown.bmp", false}, {"g/pal4rle.bmp", true},
                             {"g/pal8rle.bmp", true}}) {
        SCOPED_TRACE(name);
        const Bytes whole = ReadBytes(kSuite + name);
        ASSERT_GT(whole.size(), 14u);
        const std::size_t pixelOffset = whole[10] | whole[11] << 8;
        for (std::size_t length = 0; length < whole.size(); length += length < 1200 ? 1 : 97) {
            DibResult r = Decode(Bytes(whole.begin(), whole.begin() + length));
            // RLE data may end anywhere after the pixel offset: what is there is decoded.
            if (rle && length >= pixelOffset)
                EXPECT_TRUE(r.image) << length;
            else
                EXPECT_EQ(r.error, kDibTruncated) << length;
        }
    }
}

TEST(DibFile, EmptyOrMissingFileCannotBeOpened) {
    const std::string path = ::testing::TempDir() + "dib_empty.bmp";
    std::ofstream(path, std::ios::binary).close();
    EXPECT_EQ(ReadDibFile(path).error, "Failed to open DIB file " + path + ".\n");
    std::remove(path.c_str());
    EXPECT_EQ(ReadDibFile(path).error, "Failed to open DIB file " + path + ".\n");
    EXPECT_EQ(ReadDibFile(::testing::TempDir()).error, "Failed to open DIB file " + ::testing::TempDir() + ".\n");
}

TEST(DibHeader, PaletteSizeFollowsTheHeaderKind) {
    Bmp core;
    core.fileHeader = false;
    core.headerSize = 12;
    for (auto [bits, entries] : {std::pair{1, 2u}, {4, 16u}, {8, 256u}, {24, 0u}, {2, 0u}}) {
        core.bitCount = std::uint16_t(bits);
        EXPECT_EQ(DibPaletteSize(core.Build().data(), 12), entries) << bits;
    }
    Bmp info;
    info.fileHeader = false;
    info.bitCount = 8;
    EXPECT_EQ(DibPaletteSize(info.Build().data(), 40), 256u);
    info.colorsUsed = 0x12345;  // handed back whole; readers use the low 16 bits
    EXPECT_EQ(DibPaletteSize(info.Build().data(), 40), 0x12345u);
    EXPECT_EQ(DibPaletteSize(info.Build().data(), 20), 0u);
}

// An 8-bit bare DIB whose pixels are the indices 0, 19, 20 and 255.
Bmp EightBit(std::uint32_t colorsUsed) {
    Bmp b;
    b.fileHeader = false;
    b.bitCount = 8;
    b.width = 4;
    b.colorsUsed = colorsUsed;
    for (int i = 0; i < (colorsUsed ? int(colorsUsed) : 256); ++i) b.table.insert(b.table.end(), {std::uint8_t(i), 0, 1, 0});
    b.pixels = {0, 19, 20, 255};
    return b;
}

TEST(DibDecode, ColoursUsedSetsThePaletteAndFurtherIndicesAreBlack) {
    DibResult full = Decode(EightBit(0).Build());
    ASSERT_TRUE(full.image);
    EXPECT_EQ(full.image->pixels, (Bytes{1, 0, 0, 1, 0, 19, 1, 0, 20, 1, 0, 255}));
    DibResult twenty = Decode(EightBit(20).Build());  // pixels right after 20 entries
    ASSERT_TRUE(twenty.image);
    EXPECT_EQ(twenty.image->pixels, (Bytes{1, 0, 0, 1, 0, 19, 0, 0, 0, 0, 0, 0}));
    const Bytes file = EightBit(20).Build();
    std::optional<DibLayout> layout = ParseDib(file.data(), file.size()).layout;
    ASSERT_TRUE(layout);
    Bytes info = DibBitmapInfoBytes(*layout);
    EXPECT_EQ(info.size(), 40u + 256 * 4);  // padded to a whole table for GDI
    EXPECT_EQ(info[32], 20);                // colours used
}

TEST(DibDecode, RowsAreUnpaddedBottomUpAndTopDownFilesAreTurned) {
    Bmp b;  // 24-bit, 5 x 2: file rows of 16 bytes, image rows of 15
    b.width = 5;
    b.height = 2;
    for (int i = 0; i < 32; ++i) b.pixels.push_back(std::uint8_t(i));
    Bytes expected;
    for (int row = 0; row < 2; ++row)
        for (int x = 0; x < 5; ++x)
            for (int c : {2, 1, 0}) expected.push_back(std::uint8_t(row * 16 + x * 3 + c));
    DibResult up = Decode(b.Build());
    ASSERT_TRUE(up.image);
    EXPECT_EQ(up.image->pixels, expected);
    b.height = -2;
    std::rotate(b.pixels.begin(), b.pixels.begin() + 16, b.pixels.end());
    DibResult down = Decode(b.Build());
    ASSERT_TRUE(down.image);
    EXPECT_EQ(down.image->height, 2);
    EXPECT_EQ(down.image->pixels, expected);
}

TEST(DibDecode, CoreHeaderPalettesAndPixelOffsets) {
    Bmp b;  // OS/2 1-bit, pixel data placed after a gap that only the file header tells of
    b.headerSize = 12;
    b.bitCount = 1;
    b.width = 3;
    b.table = {10, 20, 30, 40, 50, 60};
    b.gap = 7;
    b.pixels = {0xA0, 0, 0, 0};
    DibResult r = Decode(b.Build());
    ASSERT_TRUE(r.image);
    EXPECT_EQ(r.image->pixels, (Bytes{60, 50, 40, 30, 20, 10, 60, 50, 40}));
    b.fileHeader = false;  // bare: the pixels follow the 3-byte entries
    b.gap = 0;
    Bytes odd = b.Build();
    odd.insert(odd.begin(), 0);  // and the header sits at an odd address
    r = DecodeDib(odd.data() + 1, odd.size() - 1);
    ASSERT_TRUE(r.image);
    EXPECT_EQ(r.image->pixels, (Bytes{60, 50, 40, 30, 20, 10, 60, 50, 40}));
}

TEST(DibDecode, DirectColourLayouts) {
    Bmp b;
    b.width = 2;
    b.bitCount = 16;  // 5-5-5: full red, then green 1 (8 after widening) and blue 31
    b.pixels = {0x00, 0x7C, 0x3F, 0x00};
    EXPECT_EQ(Decode(b.Build()).image->pixels, (Bytes{255, 0, 0, 0, 8, 255}));
    b.compression = kDibBitfields;  // 5-6-5 masks, between header and pixels
    b.table.clear();
    for (std::uint32_t m : {0xF800u, 0x07E0u, 0x001Fu}) Put32(b.table, m);
    b.pixels = {0x00, 0xF8, 0x20, 0x00};
    EXPECT_EQ(Decode(b.Build()).image->pixels, (Bytes{255, 0, 0, 0, 4, 0}));
    std::fill(b.table.begin() + 8, b.table.end(), 0);  // a blue mask of 0
    EXPECT_EQ(Decode(b.Build()).error, kDibConversionError);
    b = Bmp{};
    b.bitCount = 32;  // blue, green, red, unused
    b.pixels = {1, 2, 3, 4};
    EXPECT_EQ(Decode(b.Build()).image->pixels, (Bytes{3, 2, 1}));
}

TEST(DibDecode, RleCodesAndLeftoverPixels) {
    Bmp b;
    b.bitCount = 8;
    b.compression = kDibRle8;
    b.width = 4;
    b.height = 3;
    b.colorsUsed = 3;
    b.table = {0, 0, 9, 0, 0, 9, 0, 0, 9, 0, 0, 0};
    // Row 0: a run of 6 (clipped to 4) of index 1, end of line. Row 1: absolute 2, 1, 2 (and
    // a pad byte), delta (0, +1) to row 2, a run of 1 of index 2, end of bitmap. Pixels never
    // written stay black, not palette entry 0.
    b.pixels = {6, 1, 0, 0, 0, 3, 2, 1, 2, 0, 0, 2, 0, 1, 1, 2, 0, 1};
    DibResult r = Decode(b.Build());
    ASSERT_TRUE(r.image);
    const Bytes k{0, 0, 0}, v1{0, 9, 0}, v2{0, 0, 9};
    Bytes expected;
    for (const Bytes* p : {&v1, &v1, &v1, &v1, &v2, &v1, &v2, &k, &k, &k, &k, &v2})
        expected.insert(expected.end(), p->begin(), p->end());
    EXPECT_EQ(r.image->pixels, expected);
    b.pixels.resize(8);  // data that end inside the absolute run: decoding stops there
    Bytes cut(expected.size(), 0);
    std::copy_n(expected.begin(), 12, cut.begin());
    EXPECT_EQ(Decode(b.Build()).image->pixels, cut);
    b.bitCount = 4;  // RLE4: high nibble first
    b.compression = kDibRle4;
    b.pixels = {3, 0x21, 0, 1};
    r = Decode(b.Build());
    ASSERT_TRUE(r.image);
    EXPECT_EQ(Bytes(r.image->pixels.begin(), r.image->pixels.begin() + 9), (Bytes{0, 0, 9, 0, 9, 0, 0, 0, 9}));
}

TEST(DibHeader, SizesAndFormatsRefused) {
    Bmp b;
    b.headerSize = 108;
    EXPECT_EQ(Decode(b.Build()).error, kDibUnknownFormat);
    b = Bmp{};
    b.colorsUsed = 1;
    b.table.assign(16, 1);  // three masks and one palette entry, or a palette entry and a gap
    struct Case { std::int32_t width, height; std::uint16_t bits; std::uint32_t compression; const char* text; };
    for (const Case& c : {Case{0, 1, 24, 0, kDibConversionError}, Case{-3, 1, 24, 0, kDibConversionError},
                          Case{1, 0, 24, 0, kDibConversionError}, Case{16385, 1, 8, 1, kDibOutOfMemory},
                          Case{8193, 8192, 8, 1, kDibOutOfMemory}, Case{1, 1, 2, 0, kDibConversionError},
                          Case{1, 1, 4, 1, kDibConversionError}, Case{1, 1, 24, 3, kDibConversionError},
                          Case{1, 1, 24, 4, kDibConversionError}, Case{1, -1, 8, 1, kDibConversionError},
                          Case{2, 1, 24, 0, kDibTruncated}}) {
        b.width = c.width, b.height = c.height, b.bitCount = c.bits, b.compression = c.compression;
        b.pixels.assign(4, 0);
        EXPECT_EQ(Decode(b.Build()).error, c.text) << c.width << "x" << c.height << " " << c.bits;
    }
    b.width = 16384, b.height = 1, b.bitCount = 8, b.compression = kDibRle8, b.sizeImage = 1 << 30;
    const Bytes file = b.Build();
    std::optional<DibLayout> layout = ParseDib(file.data(), file.size()).layout;
    ASSERT_TRUE(layout);  // the largest side; RLE data bounded by the file, not the header
    EXPECT_EQ(layout->pixelBytes, 4u);
    EXPECT_EQ(layout->header.sizeImage, 4u);
}

}  // namespace
}  // namespace morvantis
