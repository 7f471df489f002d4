// The DIB header logic and the portable converter: the BMP suite's files against its reference
// renderings, its malformed and shortened files, and small files built here for what the suite
// lacks (bare DIBs, narrow colour channels, the size limits).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "renderer/image/dib_decode.h"
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

// Every file of the suite (REFS.tsv) with its reference rendering and the alternatives, or "-".
std::map<std::string, std::string> ReadReferences() {
    std::map<std::string, std::string> refs;
    std::ifstream text(kBmpSuite + "REFS.tsv");
    for (std::string path, ref, alternatives; text >> path >> ref >> alternatives;)
        if (path != "path") refs[path] = ref + "," + alternatives;  // not the column names
    return refs;
}

// Decodes from a buffer that ends where the file ends, so the sanitizer sees any read past its
// end, and that starts at an odd address, so it sees any misaligned read of a header field.
DibResult Decode(const Bytes& file) {
    std::unique_ptr<std::uint8_t[]> buffer(new std::uint8_t[file.size() + 1]);
    std::copy(file.begin(), file.end(), buffer.get() + 1);
    return DecodeDib(buffer.get() + 1, file.size());
}

// A bare DIB (no file header): a 40-byte header, then the masks, palette and pixels.
Bytes BareDib(std::int32_t width, std::int32_t height, std::uint32_t bits, std::uint32_t compression,
              std::uint32_t colorsUsed, const Bytes& rest) {
    Bytes b;
    for (std::uint32_t v : {40u, std::uint32_t(width), std::uint32_t(height), 1u | bits << 16, compression, 0u, 0u,
                            0u, colorsUsed, 0u})
        for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(v >> 8 * i));
    b.insert(b.end(), rest.begin(), rest.end());
    return b;
}

#ifdef MORVANTIS_HAVE_PNG
// A reference rendering, rows from the bottom up like ours. 16-bit ones are read as they are
// stored and rounded to 8 bits (asked for 8 bits, libpng would gamma-encode them).
bool ReadPng(const std::string& path, RgbImage& image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return false;
    const bool wide = png.format & PNG_FORMAT_FLAG_LINEAR;
    png.format = wide ? PNG_FORMAT_LINEAR_RGB : PNG_FORMAT_RGB;
    image.width = std::int32_t(png.width);
    image.pixels.resize(std::size_t(png.width) * png.height * 3);
    std::vector<std::uint16_t> samples(wide ? image.pixels.size() : 0);
    void* rows = wide ? static_cast<void*>(samples.data()) : image.pixels.data();
    if (!png_image_finish_read(&png, nullptr, rows, -std::int32_t(png.width * 3), nullptr)) return false;
    for (std::size_t i = 0; i < samples.size(); ++i) image.pixels[i] = std::uint8_t((samples[i] * 255 + 32767) / 65535);
    return true;
}

// The reference or one of its alternatives has our size and, within `tolerance`, our pixels.
bool MatchesAReference(const std::string& candidates, const RgbImage& ours, int tolerance) {
    std::istringstream names(candidates);
    for (std::string name; std::getline(names, name, ',');) {
        RgbImage ref;
        if (name.find(".png") != std::string::npos && ReadPng(kBmpSuite + name, ref) && ref.width == ours.width &&
            ref.pixels.size() == ours.pixels.size() &&
            std::equal(ours.pixels.begin(), ours.pixels.end(), ref.pixels.begin(),
                       [&](int a, int b) { return std::abs(a - b) <= tolerance; }))
            return true;
    }
    return false;
}
#endif

TEST(DibSuite, FilesDecodeLikeTheirReferencesOrAreRefusedWithAKnownText) {
    MORVANTIS_NEEDS_BMP_SUITE();
    const auto refs = ReadReferences();
    ASSERT_EQ(refs.size(), 91u);
    const std::set<std::string> texts = {kDibOutOfMemory, kDibUnknownFormat, kDibConversionError, kDibTruncated};
    [[maybe_unused]] int compared = 0;  // against the references, where they can be read
    for (const auto& [path, candidates] : refs) {
        SCOPED_TRACE(path);
        const DibResult r = ReadDibFile(kBmpSuite + path);
        if (!r.image) {
            EXPECT_EQ(texts.count(r.error), 1u) << r.error;
            EXPECT_TRUE(path[0] != 'g' || r.error == kDibUnknownFormat) << "good files: only the newer headers";
            continue;
        }
#ifdef MORVANTIS_HAVE_PNG
        // The references round narrow channels to 8 bits, we repeat their bits (like GDI) or
        // keep the top 8 of wider ones: off by 1.
        if (path[0] == 'b') continue;
        EXPECT_TRUE(MatchesAReference(candidates, *r.image, 1));
        ++compared;
#endif
    }
#ifdef MORVANTIS_HAVE_PNG
    EXPECT_EQ(compared, 25 + 18);  // good and questionable files
#endif
}

TEST(DibSuite, EveryShortenedGoodFileIsRefusedOrDecodedWithinItsBytes) {
    MORVANTIS_NEEDS_BMP_SUITE();
    for (auto [name, rle] : {std::pair{"g/pal1.bmp", false}, {"g/pal8os2.bmp", false}, {"g/rgb16-565.bmp", false},
                             {"g/rgb32bf.bmp", false}, {"g/pal8topdown.bmp", false}, {"g/pal4rle.bmp", true},
                             {"g/pal8rle.bmp", true}}) {
        const Bytes whole = ReadBytes(kBmpSuite + name);
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

// Red 0x8000, green 0x6000, blue 0x1C00: channels of 1, 2 and 3 bits; pixels all ones, and 0xA800.
const Bytes kNarrowChannels =
    BareDib(2, 1, 16, kDibBitfields, 0, {0, 0x80, 0, 0, 0, 0x60, 0, 0, 0, 0x1C, 0, 0, 0xFF, 0xFF, 0x00, 0xA8});

TEST(DibDecode, BareDibsAndNarrowChannelsGiveTheirPixelsAndTheLimitsHold) {
    Bytes twentyColours, sixteenColours;  // entry i: blue i, green 0, red 1; blue i alone
    for (std::uint8_t i = 0; i < 20; ++i) twentyColours.insert(twentyColours.end(), {i, 0, 1, 0});
    twentyColours.insert(twentyColours.end(), {0, 19, 20, 255});
    for (std::uint8_t i = 0; i < 16; ++i) sixteenColours.insert(sixteenColours.end(), {i, 0, 0, 0});
    sixteenColours.insert(sixteenColours.end(), {0xF0, 0, 0, 0});
    Bytes rleCut = BareDib(2, 1, 8, kDibRle8, 2, {0, 0, 0, 0, 255, 255, 255, 0, 1, 1, 1, 1, 0, 1});
    rleCut[20] = 2;  // the image size: the first run only
    const struct {
        const char* what;
        Bytes file, rgb;
    } cases[] = {
        {"pixels after 20 entries; indices past them black", BareDib(4, 1, 8, 0, 20, twentyColours),
         {1, 0, 0, 1, 0, 19, 0, 0, 0, 0, 0, 0}},
        {"core header: pixels after 3-byte entries",
         {12, 0, 0, 0, 3, 0, 1, 0, 1, 0, 1, 0, 10, 20, 30, 40, 50, 60, 0xA0, 0, 0, 0},
         {60, 50, 40, 30, 20, 10, 60, 50, 40}},
        {"channels of 1, 2 and 3 bits span the whole range", kNarrowChannels, {255, 255, 255, 255, 85, 73}},
        {"4 bits and no colour count: 16 entries", BareDib(1, 1, 4, 0, 0, sixteenColours), {0, 0, 15}},
        {"RLE data end at the header's image size", rleCut, {255, 255, 255, 0, 0, 0}},
        {"an absolute run ends the RLE data", BareDib(4, 1, 8, kDibRle8, 2, {0, 0, 0, 0, 9, 9, 9, 0, 0, 4, 1, 0, 1, 0}),
         {9, 9, 9, 0, 0, 0, 9, 9, 9, 0, 0, 0}},
        {"a delta cut short ends the RLE data", BareDib(2, 1, 8, kDibRle8, 2, {0, 0, 0, 0, 9, 9, 9, 0, 1, 1, 0, 2, 1}),
         {9, 9, 9, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        DibResult r = Decode(c.file);
        ASSERT_TRUE(r.image) << c.what << ": " << r.error;
        EXPECT_EQ(r.image->pixels, c.rgb) << c.what;
    }
    Bytes wideCore = {12, 0, 0, 0, 0, 1, 1, 0, 1, 0, 1, 0, 0, 0, 0, 255, 255, 255};  // 256 x 1, 1 bit
    wideCore.resize(wideCore.size() + 32, 0xFF);
    EXPECT_EQ(Decode(wideCore).image.value_or(RgbImage{}).width, 256);
    // Sizes and formats beyond the limits.
    const Bytes rest(16 + 4, 1);  // three masks and one palette entry, or a palette entry and a gap; pixels
    const char *const conversion = kDibConversionError, *const memory = kDibOutOfMemory;
    // Width, height, bits and compression (1 RLE8, 2 RLE4, 3 bitfields, 4 JPEG), and the outcome.
    for (const auto& [width, height, bits, compression, text] :
         {std::tuple{0, 1, 24u, 0u, conversion}, {-3, 1, 24u, 0u, conversion}, {1, 0, 24u, 0u, conversion},
          {16385, 1, 8u, 1u, memory}, {8193, 8192, 8u, 1u, memory}, {1, 1, 2u, 0u, conversion},
          {1, 1, 4u, 1u, conversion}, {1, 1, 8u, 2u, conversion}, {1, 1, 24u, 3u, conversion},
          {1, 1, 24u, 4u, conversion}, {1, -1, 8u, 1u, conversion}, {6, 1, 24u, 0u, kDibTruncated},
          {16384, 1, 8u, 1u, ""}, {1, 16384, 8u, 1u, ""}}) {
        EXPECT_EQ(Decode(BareDib(width, height, bits, compression, 1, rest)).error, text) << width << "x" << height;
    }
    for (int zero = 0; zero < 3; ++zero) {  // 5-6-5 masks, one of them 0, and a pixel
        Bytes masks = {0, 0xF8, 0, 0, 0xE0, 7, 0, 0, 0x1F, 0, 0, 0, 0, 0};
        std::fill_n(masks.begin() + 4 * zero, 4, 0);
        EXPECT_EQ(Decode(BareDib(1, 1, 16, kDibBitfields, 0, masks)).error, conversion) << "mask " << zero;
    }
    const Bytes rle = BareDib(1, 1, 8, kDibRle8, 1, rest);  // its data run to the end of a file beyond the limit
    EXPECT_EQ(ParseDib(rle.data(), rle.size(), kDibMaxRleBytes + 45).error, kDibOutOfMemory);
    const std::string empty = ::testing::TempDir() + "empty.bmp";
    std::ofstream(empty).close();
    EXPECT_EQ(ReadDibFile(empty).error, DibOpenFailedMessage(empty));
}

TEST(DibDecode, ChannelsThatGdiWidenedOnceAreWidenedOverTheWholeRangeAndOthersKept) {
    // What GDI gives for the narrow channels' ones (0xC0 for a 1-bit 1), and a 5-6-5 pixel that
    // no widening would give.
    RgbImage narrow{1, 1, {0xC0, 0x50, 0x92}}, wide{1, 1, {0x01, 0x02, 0x03}};
    WidenNarrowChannels(*ParseDib(kNarrowChannels.data(), kNarrowChannels.size()).layout, narrow);
    EXPECT_EQ(narrow.pixels, (Bytes{255, 0x55, 0x92}));
    const Bytes rgb565 = BareDib(1, 1, 16, kDibBitfields, 0, {0, 0xF8, 0, 0, 0xE0, 7, 0, 0, 0x1F, 0, 0, 0, 0, 0, 0, 0});
    WidenNarrowChannels(*ParseDib(rgb565.data(), rgb565.size()).layout, wide);
    EXPECT_EQ(wide.pixels, (Bytes{0x01, 0x02, 0x03}));
}

}  // namespace
}  // namespace morvantis
