// The BMP writer and the generated pictures that the programs carry.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assets/bmp_writer.h"
#include "assets/generator/picture_math.h"
#include "assets/generator/pictures.h"

namespace morvantis {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t U16At(const Bytes& b, std::size_t at) {
    return static_cast<std::uint32_t>(b.at(at)) | static_cast<std::uint32_t>(b.at(at + 1)) << 8;
}

std::uint32_t U32At(const Bytes& b, std::size_t at) {
    return U16At(b, at) | U16At(b, at + 2) << 16;
}

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Pixel (r, g, b) = (x + 10 y, 100 + x, 200 + y): every byte tells where it came from.
RgbImage Numbered(std::int32_t width, std::int32_t height) {
    RgbImage image;
    image.width = width;
    image.height = height;
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            image.pixels.push_back(static_cast<std::uint8_t>(x + 10 * y));
            image.pixels.push_back(static_cast<std::uint8_t>(100 + x));
            image.pixels.push_back(static_cast<std::uint8_t>(200 + y));
        }
    }
    return image;
}

// ---------------------------------------------------------------------------------------------
// BMP writer

TEST(BmpWriter, HeadersOfAFivePixelWideImage) {
    const Bytes bmp = EncodeBmp24(Numbered(5, 3));
    ASSERT_EQ(bmp.size(), 54u + 3 * 16);  // rows of 15 pixel bytes padded to 16
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(U32At(bmp, 2), bmp.size());  // file size
    EXPECT_EQ(U32At(bmp, 6), 0u);          // reserved
    EXPECT_EQ(U32At(bmp, 10), 54u);        // pixel data offset
    EXPECT_EQ(U32At(bmp, 14), 40u);        // BITMAPINFOHEADER size
    EXPECT_EQ(U32At(bmp, 18), 5u);         // width
    EXPECT_EQ(U32At(bmp, 22), 3u);         // height, positive: bottom-up
    EXPECT_EQ(U16At(bmp, 26), 1u);         // planes
    EXPECT_EQ(U16At(bmp, 28), 24u);        // bits per pixel
    EXPECT_EQ(U32At(bmp, 30), 0u);         // BI_RGB
    EXPECT_EQ(U32At(bmp, 34), 48u);        // image size
    for (std::size_t at = 38; at < 54; at += 4) {
        EXPECT_EQ(U32At(bmp, at), 0u) << "resolution or colour count at byte " << at;
    }
}

TEST(BmpWriter, RowsKeepTheirOrderInBlueGreenRedWithZeroPadding) {
    const RgbImage image = Numbered(5, 3);
    const Bytes bmp = EncodeBmp24(image);
    ASSERT_EQ(bmp.size(), 102u);
    for (std::size_t row = 0; row < 3; ++row) {
        const std::size_t base = 54 + row * 16;
        for (std::size_t x = 0; x < 5; ++x) {
            const std::size_t src = (row * 5 + x) * 3;
            EXPECT_EQ(bmp[base + 3 * x + 0], image.pixels[src + 2]) << "blue, row " << row << " x " << x;
            EXPECT_EQ(bmp[base + 3 * x + 1], image.pixels[src + 1]) << "green, row " << row << " x " << x;
            EXPECT_EQ(bmp[base + 3 * x + 2], image.pixels[src + 0]) << "red, row " << row << " x " << x;
        }
        EXPECT_EQ(bmp[base + 15], 0) << "padding of row " << row;
    }
}

TEST(BmpWriter, RowStrideIsAMultipleOfFourForEveryWidth) {
    const std::size_t expected[] = {0, 4, 8, 12, 12, 16, 20, 24, 24, 28};
    for (std::int32_t width = 1; width <= 9; ++width) {
        SCOPED_TRACE(width);
        EXPECT_EQ(BmpRowStride(width), expected[width]);
        const Bytes bmp = EncodeBmp24(Numbered(width, 2));
        EXPECT_EQ(bmp.size(), 54 + 2 * expected[width]);
        EXPECT_EQ(U32At(bmp, 34), 2 * expected[width]);
        // Every padding byte is zero.
        for (std::size_t row = 0; row < 2; ++row) {
            for (std::size_t at = static_cast<std::size_t>(width) * 3; at < expected[width]; ++at) {
                EXPECT_EQ(bmp[54 + row * expected[width] + at], 0);
            }
        }
    }
}

TEST(BmpWriter, RefusesImagesThatAreNotWellFormed) {
    RgbImage empty;
    EXPECT_TRUE(EncodeBmp24(empty).empty());

    RgbImage negative = Numbered(2, 2);
    negative.height = -2;
    EXPECT_TRUE(EncodeBmp24(negative).empty());

    RgbImage short_pixels = Numbered(4, 4);
    short_pixels.pixels.pop_back();
    EXPECT_TRUE(EncodeBmp24(short_pixels).empty());

    RgbImage long_pixels = Numbered(4, 4);
    long_pixels.pixels.push_back(0);
    EXPECT_TRUE(EncodeBmp24(long_pixels).empty());

    // Claimed sizes whose file would not fit the 32-bit size field.
    RgbImage huge;
    huge.width = 0x7FFFFFFF;
    huge.height = 0x7FFFFFFF;
    EXPECT_FALSE(IsWellFormed(huge));
    EXPECT_TRUE(EncodeBmp24(huge).empty());
}

TEST(BmpWriter, WritesTheEncodedBytesToAFile) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("morvantis_assets_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const RgbImage image = Numbered(7, 5);
    const std::filesystem::path path = dir / "picture.bmp";
    {
        std::ofstream old(path, std::ios::binary);
        old << std::string(500, 'x');  // a longer old file is replaced, not overwritten in part
    }
    EXPECT_TRUE(WriteBmp24(path, image));
    EXPECT_EQ(ReadFile(path), EncodeBmp24(image));

    EXPECT_FALSE(WriteBmp24(dir / "no such folder" / "picture.bmp", image));
    RgbImage bad = image;
    bad.width = 0;
    EXPECT_FALSE(WriteBmp24(dir / "bad.bmp", bad));
    EXPECT_FALSE(std::filesystem::exists(dir / "bad.bmp"));
    std::filesystem::remove_all(dir);
}

// ---------------------------------------------------------------------------------------------
// Helpers of the picture functions

TEST(PictureMath, Log2MatchesTheLibraryClosely) {
    for (double x : {1.0, 2.0, 0.5, 3.0, 10.0, 1.0e-300, 1.0e300, 0.70710678, 1.4142135, 65536.5, 123456.789}) {
        EXPECT_NEAR(assets::Log2(x), std::log2(x), 1e-13 * (1.0 + std::fabs(std::log2(x)))) << x;
    }
    EXPECT_EQ(assets::Log2(1024.0), 10.0);
}

TEST(PictureMath, HueCyclesThroughTheSpectrum) {
    const auto expect_colour = [](double hue, double r, double g, double b) {
        const assets::Colour c = assets::Hue(hue);
        EXPECT_DOUBLE_EQ(c.r, r) << "hue " << hue;
        EXPECT_DOUBLE_EQ(c.g, g) << "hue " << hue;
        EXPECT_DOUBLE_EQ(c.b, b) << "hue " << hue;
    };
    expect_colour(0.0, 1, 0, 0);
    expect_colour(1.0 / 6, 1, 1, 0);
    expect_colour(2.0 / 6, 0, 1, 0);
    expect_colour(0.5, 0, 1, 1);
    expect_colour(4.0 / 6, 0, 0, 1);
    expect_colour(5.0 / 6, 1, 0, 1);
    expect_colour(1.0, 1, 0, 0);     // one full turn
    expect_colour(-0.5, 0, 1, 1);    // negative hues wrap too
    expect_colour(-1e-20, 1, 0, 0);  // rounds up to a full turn: red, not past the end
    EXPECT_LT(assets::Fraction(-1e-20), 1.0);
}

TEST(PictureMath, ByteConversionClampsAndRounds) {
    EXPECT_EQ(assets::ToByte(-0.5), 0);
    EXPECT_EQ(assets::ToByte(std::nan("")), 0);
    EXPECT_EQ(assets::ToByte(0.5), 128);
    EXPECT_EQ(assets::ToByte(1.0), 255);
    EXPECT_EQ(assets::ToByte(7.0), 255);
}

TEST(PictureMath, PutPixelCountsRowsFromTheTop) {
    RgbImage image = assets::BlankImage(3, 2);
    assets::PutPixel(image, 2, 0, {1.0, 0.0, 0.0});  // top right
    // Bottom row first: the top row is the second stored row.
    EXPECT_EQ(image.pixels[(1 * 3 + 2) * 3 + 0], 255);
    EXPECT_EQ(image.pixels[(0 * 3 + 2) * 3 + 0], 0);
}

// ---------------------------------------------------------------------------------------------
// The committed pictures

struct Rgb {
    int r, g, b;
};

Rgb PixelAt(const RgbImage& image, int x, int row) {
    const std::size_t at = (static_cast<std::size_t>(row) * image.width + x) * 3;
    return {image.pixels[at], image.pixels[at + 1], image.pixels[at + 2]};
}

RgbImage Picture(const std::string& file_name) {
    for (const assets::GeneratedPicture& p : assets::PictureCatalogue()) {
        if (file_name == p.file_name) return p.make();
    }
    ADD_FAILURE() << file_name << " is not in the catalogue";
    return {};
}

TEST(CommittedPictures, FilesAreWhatTheGeneratorMakesNow) {
    ASSERT_FALSE(assets::PictureCatalogue().empty());
    for (const assets::GeneratedPicture& p : assets::PictureCatalogue()) {
        SCOPED_TRACE(p.file_name);
        const Bytes committed = ReadFile(std::filesystem::path(MORVANTIS_SOURCE_DIR) / "assets" / p.file_name);
        const Bytes generated = EncodeBmp24(Picture(p.file_name));
        ASSERT_FALSE(generated.empty());
        ASSERT_EQ(committed.size(), generated.size()) << "run the `assets` target and commit the result";
        std::size_t differing = 0, first = 0;
        for (std::size_t i = 0; i < generated.size(); ++i) {
            if (committed[i] != generated[i] && differing++ == 0) first = i;
        }
        EXPECT_EQ(differing, 0u) << "first difference at byte " << first
                                 << "; run the `assets` target and commit the result";
    }
}

TEST(CommittedPictures, TexturesHaveTheSizesTheRendererExpects) {
    const struct {
        const char* name;
        std::uint32_t size;
    } textures[] = {{"Morvantis1.bmp", 128}, {"Morvantis2.bmp", 256}};
    for (const auto& t : textures) {
        SCOPED_TRACE(t.name);
        const RgbImage image = Picture(t.name);
        EXPECT_EQ(image.width, static_cast<std::int32_t>(t.size));
        EXPECT_EQ(image.height, static_cast<std::int32_t>(t.size));
        const Bytes file = ReadFile(std::filesystem::path(MORVANTIS_SOURCE_DIR) / "assets" / t.name);
        ASSERT_GE(file.size(), 54u);
        EXPECT_EQ(U32At(file, 18), t.size);
        EXPECT_EQ(U32At(file, 22), t.size);
        EXPECT_EQ(U16At(file, 28), 24u);
        EXPECT_EQ(file.size(), 54u + t.size * t.size * 3);
    }
}

TEST(CommittedPictures, SurfaceTextureIsBrightAndCoversTheSpectrum) {
    const RgbImage image = Picture("Morvantis1.bmp");
    int reddish = 0, greenish = 0, bluish = 0, dark = 0, bright = 0;
    for (int row = 0; row < image.height; ++row) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb c = PixelAt(image, x, row);
            const int max = std::max({c.r, c.g, c.b});
            if (max < 64) ++dark;
            if (max >= 160) ++bright;
            if (c.r > 160 && c.g < 96 && c.b < 96) ++reddish;
            if (c.g > 160 && c.r < 96 && c.b < 96) ++greenish;
            if (c.b > 160 && c.r < 96 && c.g < 96) ++bluish;
        }
    }
    const int total = image.width * image.height;
    EXPECT_GT(bright, total / 2) << "added onto the scene, the texture must be mostly bright";
    EXPECT_GT(dark, total / 20) << "the set's interior is dark";
    EXPECT_LT(dark, total / 2);
    EXPECT_GT(reddish, total / 50);
    EXPECT_GT(greenish, total / 50);
    EXPECT_GT(bluish, total / 50);
}

// Mean absolute difference between grey levels of columns (or rows) a and b.
double MeanStep(const RgbImage& image, bool columns, int a, int b) {
    double sum = 0.0;
    const int n = columns ? image.height : image.width;
    for (int i = 0; i < n; ++i) {
        const Rgb pa = columns ? PixelAt(image, a, i) : PixelAt(image, i, a);
        const Rgb pb = columns ? PixelAt(image, b, i) : PixelAt(image, i, b);
        sum += std::abs(pa.r - pb.r);
    }
    return sum / n;
}

TEST(CommittedPictures, SphereTextureIsGreyWithDarkCellsAndBrightBorders) {
    const RgbImage image = Picture("Morvantis2.bmp");
    int dark = 0, bright = 0;
    for (int row = 0; row < image.height; ++row) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb c = PixelAt(image, x, row);
            ASSERT_TRUE(c.r == c.g && c.g == c.b) << "colour at " << x << ", " << row;
            if (c.r < 96) ++dark;
            if (c.r > 200) ++bright;
        }
    }
    const int total = image.width * image.height;
    EXPECT_GT(dark, total / 3) << "cell interiors are dark";
    EXPECT_GT(bright, total / 50) << "borders glow";
    EXPECT_LT(bright, total / 4);
}

TEST(CommittedPictures, SphereTextureWrapsWithoutASeam) {
    const RgbImage image = Picture("Morvantis2.bmp");
    for (const bool columns : {true, false}) {
        SCOPED_TRACE(columns ? "left and right edges" : "top and bottom edges");
        const int n = columns ? image.width : image.height;
        double inner = 0.0;
        for (int i = 0; i + 1 < n; ++i) inner += MeanStep(image, columns, i, i + 1);
        inner /= n - 1;
        // Across the wrap the picture changes no more than between neighbours inside it; an
        // unrelated edge would differ like two random lines of the pattern.
        EXPECT_LT(MeanStep(image, columns, n - 1, 0), 2.0 * inner);
        EXPECT_GT(MeanStep(image, columns, 0, n / 2), 3.0 * inner) << "the test would notice a seam";
    }
}

}  // namespace
}  // namespace morvantis
