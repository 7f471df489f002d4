// The BMP writer and the generated pictures that the programs carry.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "assets/bmp_writer.h"
#include "assets/generator/pictures.h"
#include "renderer/image/dib_decode.h"

namespace morvantis {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(BmpWriter, RowsArePaddedToFourBytesAndReadBackWhole) {
    RgbImage image{5, 3, {}};
    for (int i = 0; i < 5 * 3 * 3; ++i) image.pixels.push_back(static_cast<std::uint8_t>(1 + 5 * i));
    const Bytes bmp = EncodeBmp24(image);
    ASSERT_EQ(bmp.size(), 54u + 3 * 16);  // rows of 15 pixel bytes padded to 16
    for (std::size_t row = 0; row < 3; ++row) EXPECT_EQ(bmp[54 + row * 16 + 15], 0) << "padding of row " << row;
    const DibResult back = DecodeDib(bmp.data(), bmp.size());
    ASSERT_TRUE(back.image) << back.error;
    EXPECT_EQ(std::make_pair(back.image->width, back.image->height), std::make_pair(5, 3));
    EXPECT_EQ(back.image->pixels, image.pixels);

    image.pixels.pop_back();  // pixels that do not match the size are never read
    EXPECT_TRUE(EncodeBmp24(image).empty());
}

TEST(CommittedPictures, FilesAreWhatTheGeneratorMakesNow) {
    std::map<std::string, int> sides = {{"Morvantis1.bmp", 128}, {"Morvantis2.bmp", 256}};
    int buttons = 0;
    for (const assets::GeneratedPicture& p : assets::PictureCatalogue()) {
        SCOPED_TRACE(p.file_name);
        const RgbImage image = p.make();
        std::ifstream file(std::filesystem::path(MORVANTIS_SOURCE_DIR) / "assets" / p.file_name, std::ios::binary);
        const Bytes committed{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        const Bytes generated = EncodeBmp24(image);
        ASSERT_FALSE(generated.empty());
        EXPECT_TRUE(committed == generated) << "run the `assets` target and commit the result";
        if (sides.count(p.file_name)) {  // the textures have the sizes the renderer expects
            EXPECT_EQ(image.width, sides[p.file_name]);
            EXPECT_EQ(image.height, sides[p.file_name]);
            sides.erase(p.file_name);
        }
        buttons += std::string(p.file_name).rfind("button_", 0) == 0;
    }
    EXPECT_TRUE(sides.empty()) << "a texture is not in the catalogue";
    EXPECT_EQ(buttons, 6) << "the six button state pictures";
}

}  // namespace
}  // namespace morvantis
