// The settings dialog as a real window in this process, under Wine: its
// controls and background, choosing a kind with a mouse press, its gradient buttons as windows,
// the opening and closing animation, the link, and the bytes that "設定" writes (and that
// "ｷｬﾝｾﾙ" and the close box leave alone). The file-open dialog is driven end to end.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "host/button/win32_command_button.h"
#include "host/dialog/settings_dialog.h"
#include "host/dialog/web_page.h"
#include "host/dialog/win32_settings_dialog.h"
#include "host/profile_file_store.h"
#include "host/win32_whole_file.h"
#include "host/window_effects.h"

namespace morvantis::host {
namespace {
// What the window effects and the link's shell call were given, with the window's caption.
std::vector<std::wstring> effects;

std::wstring Called(const wchar_t* what, HWND window, const std::string& detail) {
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    return std::wstring(what) + L" " + caption + L" " + std::wstring(detail.begin(), detail.end());
}
}  // namespace

// This program's own window effects and shell call: recorders (no browser opens).
std::int16_t ZoomPointX = 0, ZoomPointY = 0;
void ZoomOpen(HWND w) {
    effects.push_back(Called(L"ZoomOpen", w, std::to_string(ZoomPointX) + "," + std::to_string(ZoomPointY)));
}
void ZoomClose(HWND w) { effects.push_back(Called(L"ZoomClose", w, "")); }
void OpenWebPage(HWND owner, const std::string& address) { effects.push_back(Called(L"OpenWebPage", owner, address)); }

namespace {

namespace fs = std::filesystem;
using button::StateFocused, button::StateFocusedHover, button::StateNormal;

const std::wstring kOpened = L"ZoomOpen <モルヴァンティス> 300,200", kClosed = L"ZoomClose <モルヴァンティス> ";

// A mouse button pressed and released at a point of a window.
void Press(HWND window, UINT down, int x, int y) {
    SendMessageW(window, down, 0, MAKELPARAM(x, y));
    SendMessageW(window, down + 1, 0, MAKELPARAM(x, y));
}

class SettingsDialogWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        dialog.reset();
        fs::remove_all(folder);
    }
    void Open() {
        effects.clear();
        SetCursorPos(300, 200);
        dialog = SettingsDialog::Show(settings, store, folder.u8string());
        ASSERT_NE(dialog, nullptr);
    }
    HWND Control(int id) const { return dialog->Control(id); }
    // The marks and the enabled controls that `kind` selects.
    void ExpectKind(int kind) const {
        for (int k = 0; k < 3; ++k) EXPECT_EQ(dialog->MarkSelected(k), k == kind) << "mark " << k;
        EXPECT_EQ(IsWindowEnabled(Control(SettingsDialog::kRepeatId)) != FALSE, kind == 1) << "combo box";
        EXPECT_EQ(dialog->Button(SettingsDialog::kFileButtonId)->Core().isEnabled(), kind == 2) << "file button";
    }
    fs::path Ini() const { return folder / L"モルヴァンティス.ini"; }

    const fs::path folder = fs::temp_directory_path() / (L"設定試験_" + std::to_wstring(GetCurrentProcessId()));
    Settings settings;
    Win32WholeFile files;
    ProfileFileStore store{files};
    std::unique_ptr<SettingsDialog> dialog;
};

TEST_F(SettingsDialogWindowTest, OpensWithItsLayoutAndBackgroundAndPressesOnMarksLabelsButtonsAndTheLink) {
    settings.BgmKind = 7;  // hand-edited
    Open();
    HWND window = dialog->Hwnd();
    EXPECT_EQ(effects, std::vector<std::wstring>{kOpened});
    EXPECT_EQ(SendMessageW(Control(SettingsDialog::kRepeatId), CB_GETCOUNT, 0, 0), 31);
    const std::pair<int, std::vector<LONG>> controls[] = {  // left, top, width, height in the parent's client area
        {SettingsDialog::kPanelId, {12, 16, 469, 165}},        {SettingsDialog::kSetButtonId, {316, 200, 81, 25}},
        {SettingsDialog::kCancelButtonId, {400, 200, 81, 25}}, {SettingsDialog::kRepeatId, {112, 52, 41, 20}},
        {SettingsDialog::kFileButtonId, {112, 92, 41, 21}},
    };
    RECT r{};
    GetClientRect(window, &r);
    EXPECT_EQ(r.right, 494);
    for (const auto& [id, place] : controls) {
        GetWindowRect(Control(id), &r);
        MapWindowPoints(nullptr, GetParent(Control(id)), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right - r.left, r.bottom - r.top}), place) << id;
    }

    // The file label, the none mark, the CD label, a gap: each pressed with another mouse button.
    for (const auto& [down, x, y, kind] : {std::tuple{UINT{WM_RBUTTONDOWN}, 103, 108, 2}, {WM_LBUTTONDOWN, 39, 87, 0},
                                           {WM_MBUTTONDOWN, 86, 68, 1}, {WM_LBUTTONDOWN, 42, 60, 1}}) {
        Press(Control(SettingsDialog::kPanelId), down, x, y);
        EXPECT_EQ(settings.BgmKind, kind);
        ExpectKind(kind);
    }
    // A gradient button as a window, its Click counted here: a press takes the focus and the
    // capture, the release clicks (keys never do), the poll keeps the hover while the pointer is
    // on the caption and ends it elsewhere; the other mouse buttons click without the focus.
    button::CommandButton& set = *dialog->Button(SettingsDialog::kSetButtonId);
    int clicks = 0;
    set.OnClick([&] { ++clicks; });
    auto send = [&](UINT message) {  // timer 1 is the poll
        SendMessageW(set.Hwnd(), message, message == WM_TIMER, MAKELPARAM(20, 10));
    };
    send(WM_MOUSEMOVE);
    send(WM_LBUTTONDOWN);
    EXPECT_EQ(std::make_pair(GetFocus(), GetCapture()), std::make_pair(set.Hwnd(), set.Hwnd()));
    send(WM_LBUTTONUP);
    for (const UINT message : {WM_KEYDOWN, WM_CHAR, WM_KEYUP}) SendMessageW(set.Hwnd(), message, VK_RETURN, 1);
    GetWindowRect(set.Hwnd(), &r);
    SetCursorPos((r.left + r.right) / 2, r.top + 10);
    send(WM_TIMER);
    EXPECT_EQ(set.Core().buttonState(), StateFocusedHover) << "the pointer on the caption";
    SetCursorPos(300, 200);
    send(WM_TIMER);
    const std::uint8_t pointerElsewhere = set.Core().buttonState();
    SetFocus(window);
    for (const UINT message : {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONUP}) send(message);
    EXPECT_EQ(std::make_tuple(clicks, GetCapture(), pointerElsewhere, GetFocus(), set.Core().buttonState()),
              std::make_tuple(3, HWND{}, std::uint8_t{StateFocused}, window, std::uint8_t{StateNormal}));
    Press(window, WM_LBUTTONDOWN, 14, 210);
    EXPECT_EQ(effects.back(), Called(L"OpenWebPage", window, dialog::kAuthorPage));
}

TEST_F(SettingsDialogWindowTest, SetWritesTheThreeKeysInOrderAndCancelOrTheCloseBoxNothing) {
    const std::string kindKey = "BGM\x8B\xE6\x95\xAA", repeatKey = "BGM\xD8\xCB\xDF\xB0\xC4";
    const std::string fileKey = "BGM\xCC\xA7\xB2\xD9";
    const std::string kept = "[Section]\r\n" + kindKey + "=1\r\n; kept as it is\r\n";
    const struct {
        int kind;
        const wchar_t* text;  // none: as the dialog shows the stored 4
        const char* stored;   // none: the file stays as it was
        int button;           // 0: the close box
    } cases[] = {
        {1, L"7", "7", SettingsDialog::kSetButtonId},        {1, L"", "0", SettingsDialog::kSetButtonId},
        {1, L"2.5", "2", SettingsDialog::kSetButtonId},      {7, nullptr, "4", SettingsDialog::kSetButtonId},
        {2, L"9", nullptr, SettingsDialog::kCancelButtonId}, {2, L"9", nullptr, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        fs::remove(Ini());
        if (!c.stored) std::ofstream(Ini(), std::ios::binary) << kept;
        settings.BgmKind = static_cast<std::int16_t>(c.kind);
        settings.BgmRepeat = 4;
        settings.BgmFile = u8"C:\\曲\\a b.mp3";
        Open();
        ExpectKind(c.kind);
        if (c.text) SetWindowTextW(Control(SettingsDialog::kRepeatId), c.text);
        if (c.button) {
            SendMessageW(Control(c.button), WM_MOUSEMOVE, 0, 0);
            Press(Control(c.button), WM_LBUTTONDOWN, 5, 5);
        } else {
            SendMessageW(dialog->Hwnd(), WM_CLOSE, 0, 0);
        }
        EXPECT_FALSE(dialog->IsOpen());
        EXPECT_EQ(effects, (std::vector<std::wstring>{kOpened, kClosed}));
        std::ifstream ini(Ini(), std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(ini), {}),
                  c.stored ? "[Section]\r\n" + kindKey + "=" + std::to_string(c.kind) + "\r\n" + repeatKey + "=" +
                                 c.stored + "\r\n" + fileKey + "=C:\\\x8B\xC8\\a b.mp3\r\n"
                           : kept);
    }
}

}  // namespace
}  // namespace morvantis::host
