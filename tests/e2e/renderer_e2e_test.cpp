// The shipped Windows renderer, run for real under Wine with a display.
#include "program_driver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

namespace morvantis::e2e {
namespace {

namespace fs = std::filesystem;

const fs::path kTextureFolder = "C:/n_orvi";
const fs::path kAssets = fs::path(MORVANTIS_SOURCE_DIR) / "assets";
constexpr DWORD kStartTime = 20000;  // a fresh Wine prefix may be slow to start a GL program
constexpr DWORD kEndTime = 10000;

void PutTextures(bool surface, bool sphere) {
    fs::create_directories(kTextureFolder);
    fs::remove(kTextureFolder / "Morvantis1.bmp");
    fs::remove(kTextureFolder / "Morvantis2.bmp");
    if (surface) fs::copy_file(kAssets / "Morvantis1.bmp", kTextureFolder / "Morvantis1.bmp");
    if (sphere) fs::copy_file(kAssets / "Morvantis2.bmp", kTextureFolder / "Morvantis2.bmp");
}

// A carried texture whose header says it is 108 bytes long (a V4 header), which the reader does not take.
void WriteV4Bmp(const fs::path& path) {
    std::ifstream in(kAssets / "Morvantis1.bmp", std::ios::binary);
    std::vector<char> bytes(std::istreambuf_iterator<char>(in), {});
    bytes.at(14) = 108;
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TEST(RendererProgram, OpensItsWindowAndEndsWithZeroOnEscapeOrClose) {
    PutTextures(true, true);
    for (const UINT message : {WM_KEYDOWN, WM_CLOSE}) {
        RunningProgram renderer = RunningProgram::Start(MORVANTIS_RENDERER_PATH);
        HWND window = WaitForWindow("Morvantis_VC", kStartTime);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(ClassNameOf(window), "OpenGL");
        RECT rect{};
        GetWindowRect(window, &rect);
        EXPECT_EQ(std::make_pair(rect.right - rect.left, rect.bottom - rect.top), std::make_pair(1024L, 768L));
        Sleep(500);  // let it draw a few frames
        EXPECT_TRUE(renderer.Running());
        PostMessageW(window, message, message == WM_KEYDOWN ? VK_ESCAPE : 0, 0);
        EXPECT_EQ(renderer.WaitForExit(kEndTime), std::optional<DWORD>(0)) << message;
        EXPECT_TRUE(WaitForNoWindow("Morvantis_VC", 1000));
    }
}

TEST(RendererProgram, WithoutTexturesEndsAtOnceWithoutAMessage) {
    PutTextures(false, false);
    RunningProgram renderer = RunningProgram::Start(MORVANTIS_RENDERER_PATH);
    EXPECT_EQ(renderer.WaitForExit(kStartTime), std::optional<DWORD>(0));
    EXPECT_EQ(FindWindowW(nullptr, L"Morvantis_VC"), nullptr);
}

TEST(RendererProgram, RefusesAV4HeaderWithAMessageAndRunsOnWithTheOtherTexture) {
    PutTextures(false, true);
    WriteV4Bmp(kTextureFolder / "Morvantis1.bmp");
    RunningProgram renderer = RunningProgram::Start(MORVANTIS_RENDERER_PATH);
    const std::optional<MessageBoxSeen> box = WaitForMessageBox(renderer.id(), kStartTime);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, "Error");
    EXPECT_EQ(box->text, "Unknown DIB file format.");
    DismissMessageBox(box->window);
    HWND window = WaitForWindow("Morvantis_VC", kStartTime);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(renderer.Running());
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(renderer.WaitForExit(kEndTime), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace morvantis::e2e
