// The shipped Windows renderer, run for real under Wine with a display.
#include "program_driver.h"
#include "saver_install.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace morvantis::e2e {
namespace {

// The texture folder with only these of the carried textures.
void PutTextures(std::initializer_list<const char*> names) {
    fs::remove_all(kTextureFolder);
    fs::create_directories(kTextureFolder);
    for (const char* name : names) fs::copy_file(kAssets / name, kTextureFolder / name);
}

TEST(RendererProgram, OpensItsWindowAndEndsWithZeroOnEscapeOrClose) {
    PutTextures({"Morvantis1.bmp", "Morvantis2.bmp"});
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
    PutTextures({});
    RunningProgram renderer = RunningProgram::Start(MORVANTIS_RENDERER_PATH);
    EXPECT_EQ(renderer.WaitForExit(kStartTime), std::optional<DWORD>(0));
    EXPECT_EQ(FindWindowW(nullptr, L"Morvantis_VC"), nullptr);
}

TEST(RendererProgram, RefusesAV4HeaderWithAMessageAndRunsOnWithTheOtherTexture) {
    PutTextures({"Morvantis2.bmp"});
    // The surface texture with a header that says it is 108 bytes long (a V4 header), which the
    // reader does not take.
    std::string v4 = ReadBytes(kAssets / "Morvantis1.bmp");
    v4.at(14) = 108;
    WriteBytes(kTextureFolder / "Morvantis1.bmp", v4);
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
