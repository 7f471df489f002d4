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
#include "tests/bmp_suite.h"

#ifdef MORVANTIS_HAVE_PNG
#include <png.h>
#endif

namespace morvantis {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::kBmpSuite;

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Rows of INDEX.tsv or REFS.tsv, keyed by the file's path in the suite.
std::map<std::string, std::vector<std::string>> ReadTable(const std::string& name) {
    std::map<std::string, std::vector<std::string>> rows;
    std::ifstream text(kBmpSuite + name);
    for (std::string line, cell; std::getline(text, line);) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        while (std::getline(fields, cell, '\t')) cells.push_back(cell);
        if (!cells.empty() && cells[0] != "path") rows[cells[0]] = cells;  // not the column names
    }
    return rows;
}

void Put32(Bytes& b, std::uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(v >> 8 * i)); }

// A BMP file built in memory. `table` holds the masks and palette exactly as stored, and
// whatever lies between them and the pixels.
struct Bmp {
    bool fileHeader = true;
    std::uint32_t headerSize = 40;
    std::int32_t width = 1, height = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0, colorsUsed = 0;
    Bytes table, pixels;

    Bytes Build() const {
        Bytes b;
        if (fileHeader) {
            b = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0};
            Put32(b, 14 + headerSize + std::uint32_t(table.size()));
        }
        Put32(b, headerSize);
        if (headerSize == 12) {  // 16-bit width, height, planes and bit count
            for (int v : {width, height, 1, int(bitCount)}) b.insert(b.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
        } else {  // one plane and the bit count make one 32-bit field
            for (std::uint32_t v : {std::uint32_t(width), std::uint32_t(height), 1u | std::uint32_t(bitCount) << 16,
                                    compression, 0u, 0u, 0u, colorsUsed, 0u})
                Put32(b, v);
        }
        b.insert(b.end(), table.begin(), table.end());
        b.insert(b.end(), pixels.begin(), pixels.end());
        return b;
    }
};

// Decodes from a buffer that ends where the file ends, so the sanitizer sees any read past its
// end, and that starts at an odd address, so it sees any misaligned read of a header field.
DibResult Decode(const Bytes& file) {
    std::unique_ptr<std::uint8_t[]> buffer(new std::uint8_t[file.size() + 1]);
    std::copy(file.begin(), file.end(), buffer.get() + 1);
    return DecodeDib(buffer.get() + 1, file.size());
}

#ifdef MORVANTIS_HAVE_PNG
// A reference rendering, rows from the bottom up like ours.
bool ReadPng(const std::string& path, RgbImage& image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return false;
    png.format = PNG_FORMAT_RGB;
    image.width = std::int32_t(png.width);
    image.height = std::int32_t(png.height);
    image.pixels.resize(PNG_IMAGE_SIZE(png));
    return png_image_finish_read(&png, nullptr, image.pixels.data(), -std::int32_t(png.width * 3), nullptr) != 0;
}
#endif

TEST(DibSuite, GoodFilesMatchTheirReferencesAndNewerHeadersAreRefused) {
    MORVANTIS_NEEDS_BMP_SUITE();
    auto index = ReadTable("INDEX.tsv"), refs = ReadTable("REFS.tsv");
    ASSERT_EQ(index.size(), 91u);
    int compared = 0;
    for (const auto& [path, row] : index) {
        if (path.rfind("g/", 0) != 0) continue;
        SCOPED_TRACE(path);
        DibResult r = ReadDibFile(kBmpSuite + path);
        if (row[1] != "12" && row[1] != "40") {
            EXPECT_EQ(r.error, kDibUnknownFormat);
            continue;
        }
        ASSERT_TRUE(r.image) << r.error;
        EXPECT_EQ(r.image->width, std::abs(std::stoi(row[2])));
        EXPECT_EQ(r.image->height, std::abs(std::stoi(row[3])));
        ++compared;
#ifdef MORVANTIS_HAVE_PNG
        // A reference or one of its alternatives must have our size and pixels. The references
        // scale 5-bit channels by rounding, we (like GDI) by repeating the top bits: off by 1.
        const int tolerance = row[4] == "16" ? 1 : 0;
        const std::string candidates = refs[path][1] + "," + refs[path][2];
        const Bytes& ours = r.image->pixels;
        bool matched = false;
        std::istringstream names(candidates);
        for (std::string name; std::getline(names, name, ',') && !matched;) {
            RgbImage ref;
            if (name == "-" || !ReadPng(kBmpSuite + name, ref) || ref.pixels.size() != ours.size() ||
                ref.width != r.image->width)
                continue;
            matched = std::equal(ours.begin(), ours.end(), ref.pixels.begin(),
                                 [&](int a, int b) { return std::abs(a - b) <= tolerance; });
        }
        EXPECT_TRUE(matched) << "differs from " << candidates;
#endif
    }
    EXPECT_EQ(compared, 25);
}

TEST(DibSuite, QuestionableAndBadFilesGiveAnImageOrAKnownText) {
    MORVANTIS_NEEDS_BMP_SUITE();
    const std::set<std::string> texts = {kDibOutOfMemory, kDibUnknownFormat, kDibConversionError,
                                         kDibTruncated};
    for (const auto& [path, row] : ReadTable("INDEX.tsv")) {
        if (path[0] == 'g') continue;
        DibResult r = Decode(ReadBytes(kBmpSuite + path));
        if (r.image)
            EXPECT_EQ(r.image->pixels.size(), std::size_t(r.image->width) * r.image->height * 3) << path;
        else
            EXPECT_EQ(texts.count(r.error), 1u) << path << ": " << r.error;
    }
    const std::map<std::string, std::string> refused = {
        {"b/badbitcount.bmp", kDibConversionError}, {"b/badheadersize.bmp", kDibUnknownFormat},
        {"b/badpalettesize.bmp", kDibTruncated},    {"b/badwidth.bmp", kDibConversionError},
        {"b/reallybig.bmp", kDibOutOfMemory},       {"b/rgb16-880.bmp", kDibConversionError},
        {"b/rletopdown.bmp", kDibConversionError},  {"b/shortfile.bmp", kDibTruncated},
        {"q/pal2.bmp", kDibConversionError},        {"q/rgba64.bmp", kDibConversionError},
        {"q/pal8os2v2-16.bmp", kDibUnknownFormat},  {"x/ba-bm.bmp", kDibUnknownFormat}};
    for (const auto& [path, text] : refused) EXPECT_EQ(Decode(ReadBytes(kBmpSuite + path)).error, text) << path;
}

TEST(DibSuite, EveryShortenedGoodFileIsRefusedOrDecodedWithinItsBytes) {
    MORVANTIS_NEEDS_BMP_SUITE();
    for (auto [name, rle] : {std::pair{"g/pal1.bmp", false}, {"g/pal8os2.bmp", false},
                             {"g/rgb16-565.bmp", false}, {"g/rgb32bf.bmp", false},
                             {"g/pal8topdown.bmp", false}, {"g/pal4rle.bmp", true},
                             {"g/pal8rle.bmp", true}}) {
        const Bytes whole = ReadBytes(kBmpSuite + name);
        ASSERT_GT(whole.size(), 14u) << name;
        const std::size_t pixelOffset = whole[10] | whole[11] << 8;
        for (std::size_t length = 0; length < whole.size(); length += length < 1200 ? 1 : 97) {
            DibResult r = Decode(Bytes(whole.begin(), whole.begin() + length));
            // RLE data may end anywhere after the pixel offset: what is there is decoded.
            if (rle && length >= pixelOffset)
                EXPECT_TRUE(r.image) << name << " cut to " << length;
            else
                EXPECT_EQ(r.error, kDibTruncated) << name << " cut to " << length;
        }
    }
}

TEST(DibFile, EmptyMissingOrFolderCannotBeOpened) {
    const std::string path = ::testing::TempDir() + "dib_empty.bmp";
    std::ofstream(path, std::ios::binary).close();
    EXPECT_EQ(ReadDibFile(path).error, "Failed to open DIB file " + path + ".\n");
    std::remove(path.c_str());
    for (const std::string& p : {path, ::testing::TempDir()})
        EXPECT_EQ(ReadDibFile(p).error, "Failed to open DIB file " + p + ".\n");
}

// An 8-bit bare DIB whose pixels are the indices 0, 19, 20 and 255, with `colorsUsed` entries
// (256 for 0) of blue i, green 0, red 1.
Bmp EightBit(std::uint32_t colorsUsed) {
    Bmp b;
    b.fileHeader = false;
    b.bitCount = 8;
    b.width = 4;
    b.colorsUsed = colorsUsed;
    for (int i = 0; i < (colorsUsed ? int(colorsUsed) : 256); ++i)
        b.table.insert(b.table.end(), {std::uint8_t(i), 0, 1, 0});
    b.pixels = {0, 19, 20, 255};
    return b;
}

TEST(DibDecode, BuiltFilesGiveTheirPixels) {
    Bmp wide;  // 24-bit, 5 x 2: file rows of 16 bytes, image rows of 15
    wide.width = 5;
    wide.height = 2;
    for (int i = 0; i < 32; ++i) wide.pixels.push_back(std::uint8_t(i));
    const Bytes wideRgb = {2,  1,  0,  5,  4,  3,  8,  7,  6,  11, 10, 9,  14, 13, 12,
                           18, 17, 16, 21, 20, 19, 24, 23, 22, 27, 26, 25, 30, 29, 28};
    Bmp topDown = wide;  // the same rows stored from the top down
    topDown.height = -2;
    std::rotate(topDown.pixels.begin(), topDown.pixels.begin() + 16, topDown.pixels.end());
    Bmp core;  // OS/2 1-bit: the pixels after a gap that only the file header tells of
    core.headerSize = 12;
    core.bitCount = 1;
    core.width = 3;
    core.table = {10, 20, 30, 40, 50, 60, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    core.pixels = {0xA0, 0, 0, 0};
    Bmp bareCore = core;  // without a file header the pixels follow the 3-byte entries
    bareCore.fileHeader = false;
    bareCore.table.resize(6);
    const struct {
        const char* what;
        Bytes file, rgb;
    } cases[] = {
        {"5 pixels wide", wide.Build(), wideRgb},
        {"top-down", topDown.Build(), wideRgb},
        {"colours used 0: 256 entries", EightBit(0).Build(), {1, 0, 0, 1, 0, 19, 1, 0, 20, 1, 0, 255}},
        {"colours used 20: further indices black", EightBit(20).Build(), {1, 0, 0, 1, 0, 19, 0, 0, 0, 0, 0, 0}},
        {"core header", core.Build(), {60, 50, 40, 30, 20, 10, 60, 50, 40}},
        {"bare core header", bareCore.Build(), {60, 50, 40, 30, 20, 10, 60, 50, 40}},
    };
    for (const auto& c : cases) {
        DibResult r = Decode(c.file);
        ASSERT_TRUE(r.image) << c.what << ": " << r.error;
        EXPECT_GT(r.image->height, 0) << c.what;
        EXPECT_EQ(r.image->pixels, c.rgb) << c.what;
    }
}

TEST(DibDecode, SizesAndFormatsBeyondTheLimitsAreRefused) {
    Bmp b;
    b.colorsUsed = 1;
    b.table.assign(16, 1);  // three masks and one palette entry, or a palette entry and a gap
    b.pixels.assign(4, 0);
    struct Case { std::int32_t width, height; std::uint16_t bits; std::uint32_t compression; const char* text; };
    for (const Case& c : {Case{0, 1, 24, 0, kDibConversionError}, Case{-3, 1, 24, 0, kDibConversionError},
                          Case{1, 0, 24, 0, kDibConversionError}, Case{16385, 1, 8, 1, kDibOutOfMemory},
                          Case{8193, 8192, 8, 1, kDibOutOfMemory}, Case{1, 1, 2, 0, kDibConversionError},
                          Case{1, 1, 4, 1, kDibConversionError}, Case{1, 1, 24, 3, kDibConversionError},
                          Case{1, 1, 24, 4, kDibConversionError}, Case{1, -1, 8, 1, kDibConversionError},
                          Case{2, 1, 24, 0, kDibTruncated}}) {
        b.width = c.width, b.height = c.height, b.bitCount = c.bits, b.compression = c.compression;
        EXPECT_EQ(Decode(b.Build()).error, c.text) << c.width << "x" << c.height << " " << c.bits;
    }
    b.width = 16384, b.height = 1, b.bitCount = 8, b.compression = kDibRle8;
    EXPECT_TRUE(Decode(b.Build()).image) << "the largest side";
}

}  // namespace
}  // namespace morvantis
