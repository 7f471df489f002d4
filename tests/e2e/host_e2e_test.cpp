// The shipped saver host and renderer, run together under Wine with a display.
#include "program_driver.h"
#include "saver_install.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <algorithm>
#include <string>
#include <vector>

namespace morvantis::e2e {
namespace {

namespace fs = std::filesystem;

std::uintmax_t BmpSide(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 26) return 0;
    return static_cast<unsigned char>(bytes[18]) | static_cast<unsigned char>(bytes[19]) << 8;
}

int CountWindows(const char* title) {
    struct Count {
        std::string title;
        int n = 0;
    } count{ToAnsi(title)};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* c = reinterpret_cast<Count*>(param);
            char text[256] = {};
            GetWindowTextA(window, text, sizeof text);
            if (c->title == text) ++c->n;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count.n;
}

// Waits for the renderer's window, closes it as the user would, and expects the host to end
// soon after.
void EndTheRendererAndExpectTheHostToFollow(RunningProgram& host) {
    HWND renderer = WaitForWindow("Morvantis_VC", kStartTime);
    ASSERT_NE(renderer, nullptr);
    PostMessageA(renderer, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitForNoWindow("Morvantis_VC", kEndTime));
    // The host polls every 500 ms: it ends within about a second of the window going.
    EXPECT_EQ(host.WaitForExit(1500), std::optional<DWORD>(0));
}

TEST(SaverHost, RunModeWritesTheTexturesStartsTheRendererAndFollowsItsEnd) {
    ClearTextures();
    const fs::path folder = InstallSaver("run");
    RunningProgram host = RunningProgram::Start(HostPath(folder), "/s");
    ASSERT_TRUE(host.started());
    ASSERT_NE(WaitForWindow("Morvantis_VC", kStartTime), nullptr);
    EXPECT_EQ(BmpSide(kTextureFolder / "Morvantis1.bmp"), 128u);
    EXPECT_EQ(BmpSide(kTextureFolder / "Morvantis2.bmp"), 256u);
    EXPECT_NE(FindWindowA(nullptr, "Morvantis_Main"), nullptr) << "the hidden session form";
    EndTheRendererAndExpectTheHostToFollow(host);
}

TEST(SaverHost, AnEmptyCommandLineRunsTheSaverToo) {
    ClearTextures();
    const fs::path folder = InstallSaver("empty");
    RunningProgram host = RunningProgram::Start(HostPath(folder));
    EndTheRendererAndExpectTheHostToFollow(host);
}

TEST(SaverHost, ASecondStartDuringASessionEndsAtOnce) {
    const fs::path folder = InstallSaver("twice");
    RunningProgram first = RunningProgram::Start(HostPath(folder), "/s");
    ASSERT_NE(WaitForWindow("Morvantis_VC", kStartTime), nullptr);
    for (const char* line : {"/s", "/c", "/p 1234"}) {
        RunningProgram second = RunningProgram::Start(HostPath(folder), line);
        EXPECT_EQ(second.WaitForExit(kEndTime), std::optional<DWORD>(0)) << line;
    }
    Sleep(600);
    EXPECT_EQ(CountWindows("Morvantis_VC"), 1) << "no second renderer";
    EndTheRendererAndExpectTheHostToFollow(first);
}

TEST(SaverHost, AnUnknownModeEndsWithoutAWindowAfterCreatingTheTextureFolder) {
    ClearTextures();
    const fs::path folder = InstallSaver("other");
    RunningProgram host = RunningProgram::Start(HostPath(folder), "/a");
    EXPECT_EQ(host.WaitForExit(kEndTime), std::optional<DWORD>(0));
    EXPECT_TRUE(fs::is_directory(kTextureFolder));
    EXPECT_FALSE(fs::exists(kTextureFolder / "Morvantis1.bmp"));
    EXPECT_EQ(FindWindowA(nullptr, "Morvantis_VC"), nullptr);
}

TEST(SaverHost, AMissingRendererIsReportedAndEndsTheHost) {
    const fs::path folder = InstallSaver("lonely", false);
    for (const char* line : {"/s", "/c"}) {
        RunningProgram host = RunningProgram::Start(HostPath(folder), line);
        const std::optional<MessageBoxSeen> box = WaitForMessageBox(host.id(), kStartTime);
        ASSERT_TRUE(box.has_value()) << line;
        EXPECT_EQ(box->text, u8"モルヴァンティス.dll が同じﾌｫﾙﾀﾞに見つかりません！") << line;
        EXPECT_EQ(box->caption, u8"モルヴァンティス (ScreenSaver)") << line;
        DismissMessageBox(box->window);
        EXPECT_EQ(host.WaitForExit(kEndTime), std::optional<DWORD>(0)) << line;
    }
}

TEST(SaverHost, ARendererKilledFromOutsideEndsTheSession) {
    const fs::path folder = InstallSaver("killed");
    RunningProgram host = RunningProgram::Start(HostPath(folder), "/s");
    HWND window = WaitForWindow("Morvantis_VC", kStartTime);
    ASSERT_NE(window, nullptr);
    DWORD rendererId = 0;
    GetWindowThreadProcessId(window, &rendererId);
    HANDLE renderer = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, rendererId);
    ASSERT_NE(renderer, nullptr);
    TerminateProcess(renderer, 1);
    WaitForSingleObject(renderer, kEndTime);
    CloseHandle(renderer);
    EXPECT_EQ(host.WaitForExit(1500), std::optional<DWORD>(0));
}

// A window of the test's own, standing in for the Display Properties' little monitor.
class PreviewParent {
public:
    PreviewParent(int width, int height) {
        WNDCLASSA c{};
        c.lpfnWndProc = DefWindowProcA;
        c.hInstance = GetModuleHandleA(nullptr);
        c.lpszClassName = "MorvantisTestMonitor";
        RegisterClassA(&c);
        window_ = CreateWindowExA(0, c.lpszClassName, "monitor", WS_POPUP | WS_VISIBLE, 10, 10, width, height,
                                  nullptr, nullptr, c.hInstance, nullptr);
    }
    ~PreviewParent() { Destroy(); }
    void Destroy() {
        if (window_) DestroyWindow(window_);
        window_ = nullptr;
    }
    HWND window() const { return window_; }

private:
    HWND window_ = nullptr;
};

void PumpMessages(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (GetTickCount64() < end) {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
        Sleep(10);
    }
}

HWND WaitForChild(HWND parent, const char* title, DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (GetTickCount64() < end) {
        if (HWND child = FindWindowExA(parent, nullptr, nullptr, title)) return child;
        PumpMessages(50);
    }
    return nullptr;
}

TEST(SaverHost, PreviewEmbedsItselfInTheGivenWindowAndEndsWithIt) {
    for (int width : {152, 2500}) {  // 2500 pixels is more than 32767 twips
        const fs::path folder = InstallSaver("preview");
        PreviewParent parent(width, 112);
        ASSERT_NE(parent.window(), nullptr);
        const std::string line = "/p " + std::to_string(reinterpret_cast<UINT_PTR>(parent.window()));
        RunningProgram host = RunningProgram::Start(HostPath(folder), line);
        HWND preview = WaitForChild(parent.window(), "Preview Window", kStartTime);
        ASSERT_NE(preview, nullptr) << width;
        EXPECT_TRUE(GetWindowLongA(preview, GWL_STYLE) & WS_CHILD);
        RECT rect{};
        // The host sizes its window right after making it a child: give it that moment.
        for (int i = 0; i < 100 && rect.right - rect.left != width; ++i) {
            PumpMessages(20);
            GetWindowRect(preview, &rect);
        }
        EXPECT_EQ(rect.right - rect.left, width);
        EXPECT_EQ(rect.bottom - rect.top, 112);
        EXPECT_TRUE(host.Running());
        parent.Destroy();
        PumpMessages(100);
        EXPECT_EQ(host.WaitForExit(kEndTime), std::optional<DWORD>(0)) << width;
    }
}

TEST(SaverHost, APreviewHandleThatNamesNoWindowEndsAtOnce) {
    const fs::path folder = InstallSaver("nowhere");
    for (const char* line : {"/p", "/p 0", "/p 4294967295", "/p:garbage"}) {
        RunningProgram host = RunningProgram::Start(HostPath(folder), line);
        EXPECT_EQ(host.WaitForExit(kEndTime), std::optional<DWORD>(0)) << line;
    }
}

}  // namespace
}  // namespace morvantis::e2e
