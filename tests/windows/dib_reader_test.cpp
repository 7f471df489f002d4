// The Win32 DIB reader (file mapping, SetDIBits into a DIB section) against the portable
// converter: same pixels for the files both accept, the same texts for the files they refuse
// (the shortened files are the shared header logic's, checked natively).
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "renderer/image/dib_decode.h"
#include "renderer/image/win32_dib_reader.h"
#include "tests/bmp_suite.h"

namespace morvantis {
namespace {

// The image, or nothing and the texts reported.
struct Outcome {
    std::optional<RgbImage> image;
    std::vector<std::string> messages;
};

Outcome ReadThroughGdi(const std::string& path) {
    Outcome out;
    const auto report = [](const char* text, void* messages) {
        static_cast<std::vector<std::string>*>(messages)->push_back(text);
    };
    out.image = ReadDibImage(path, report, &out.messages);
    return out;
}

TEST(Win32DibReader, AgreesWithThePortableConverterOnEverySuiteFile) {
    MORVANTIS_NEEDS_BMP_SUITE();
    int files = 0, decoded = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(testing::kBmpSuite)) {
        if (entry.path().extension() != ".bmp") continue;
        SCOPED_TRACE(entry.path().string());
        Outcome gdi = ReadThroughGdi(entry.path().string());
        DibResult portable = ReadDibFile(entry.path().string());
        ++files;
        EXPECT_EQ(gdi.messages, portable.image ? std::vector<std::string>{} : std::vector<std::string>{portable.error});
        ASSERT_EQ(gdi.image.has_value(), portable.image.has_value());
        if (!portable.image) continue;
        EXPECT_TRUE(gdi.image->width == portable.image->width && gdi.image->pixels == portable.image->pixels);
        ++decoded;
    }
    EXPECT_EQ(std::make_pair(files, decoded), std::make_pair(91, 25 + 18 + 12));  // good, questionable and bad files
}

TEST(Win32DibReader, AnEmptyOrMissingFileCannotBeOpened) {
    const std::string path = ::testing::TempDir() + "dib_empty.bmp";
    const std::vector<std::string> openFailed = {"Failed to open DIB file " + path + ".\n"};
    std::ofstream(path, std::ios::binary).close();
    EXPECT_EQ(ReadThroughGdi(path).messages, openFailed) << "an empty file cannot be mapped";
    std::filesystem::remove(std::filesystem::u8path(path));
    EXPECT_EQ(ReadThroughGdi(path).messages, openFailed);
}

}  // namespace
}  // namespace morvantis
