// The Win32 DIB reader (file mapping, SetDIBits into a DIB section) against the portable
// converter: same pixels for the files both accept, the same texts for the files they refuse.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "renderer/dib_decode.h"
#include "renderer/win32_dib_reader.h"
#include "tests/bmp_suite.h"

namespace morvantis {
namespace {

using testing::kBmpSuite;

void Capture(const char* text, void* context) {
    static_cast<std::vector<std::string>*>(context)->push_back(text);
}

struct Outcome {
    std::optional<RgbImage> image;
    std::vector<std::string> messages;
};

Outcome ReadThroughGdi(const std::string& path) {
    Outcome out;
    out.image = ReadDibImage(path, Capture, &out.messages);
    return out;
}

std::vector<std::string> SuiteFiles() {
    std::vector<std::string> files;
    for (const char* folder : {"g", "q", "b", "x"})
        for (const auto& entry : std::filesystem::directory_iterator(kBmpSuite + folder))
            files.push_back(entry.path().string());
    return files;
}

TEST(Win32DibReader, AgreesWithThePortableConverterOnEverySuiteFile) {
    MORVANTIS_NEEDS_BMP_SUITE();
    const std::vector<std::string> files = SuiteFiles();
    ASSERT_EQ(files.size(), 91u);
    int decoded = 0;
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        Outcome gdi = ReadThroughGdi(path);
        DibResult portable = ReadDibFile(path);
        ASSERT_EQ(gdi.image.has_value(), portable.image.has_value())
            << (gdi.messages.empty() ? portable.error : gdi.messages[0]);
        if (portable.image) {
            EXPECT_TRUE(gdi.messages.empty());
            EXPECT_EQ(gdi.image->width, portable.image->width);
            EXPECT_EQ(gdi.image->height, portable.image->height);
            EXPECT_TRUE(gdi.image->pixels == portable.image->pixels);
            ++decoded;
        } else {
            EXPECT_EQ(gdi.messages, std::vector<std::string>{portable.error});
        }
    }
    EXPECT_EQ(decoded, 25 + 18 + 12);  // good, questionable and bad files with an image
}

TEST(Win32DibReader, ShortEmptyAndMissingFilesAreRefusedBeforeGdiSeesThem) {
    std::ifstream in(MORVANTIS_SOURCE_DIR "/assets/Morvantis1.bmp", std::ios::binary);
    const std::vector<char> whole((std::istreambuf_iterator<char>(in)), {});
    const std::string path = ::testing::TempDir() + "dib_cut.bmp";
    const std::vector<std::string> openFailed = {"Failed to open DIB file " + path + ".\n"};
    for (std::size_t length : {std::size_t{0}, std::size_t{13}, std::size_t{54}, whole.size() - 1}) {
        std::ofstream(path, std::ios::binary | std::ios::trunc).write(whole.data(), length);
        Outcome gdi = ReadThroughGdi(path);
        EXPECT_FALSE(gdi.image) << length;
        EXPECT_EQ(gdi.messages, length == 0 ? openFailed : std::vector<std::string>{kDibTruncated}) << length;
    }
    DeleteFileA(path.c_str());
    EXPECT_EQ(ReadThroughGdi(path).messages, openFailed);
}

}  // namespace
}  // namespace morvantis
