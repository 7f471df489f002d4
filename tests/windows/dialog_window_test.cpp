// The settings dialog as a real window in this process, under Wine with code page 932: its
// frame and controls, choosing a kind with any mouse button, the file-open dialog, and the
// bytes that "設定" writes (and that "ｷｬﾝｾﾙ" and the close box leave alone).
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "host/button/win32_command_button.h"
#include "host/dialog/settings_dialog.h"
#include "host/dialog/win32_settings_dialog.h"
#include "host/resource_ids.h"
#include "host/win32_profile_store.h"
#include "host/window_effects.h"

namespace morvantis::host {
namespace {

namespace fs = std::filesystem;
using dialog::Box;

// The keys as stored in code page 932.
const std::string kKindKey = "\x42\x47\x4D\x8B\xE6\x95\xAA";
const std::string kRepeatKey = "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4";
const std::string kFileKey = "\x42\x47\x4D\xCC\xA7\xB2\xD9";

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

RECT ClientRectIn(HWND window, HWND parent) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void ExpectPlace(HWND window, HWND parent, const Box& box, const char* name) {
    const RECT r = ClientRectIn(window, parent);
    EXPECT_EQ(r.left, box.x) << name;
    EXPECT_EQ(r.top, box.y) << name;
    EXPECT_EQ(r.right - r.left, box.width) << name;
    EXPECT_EQ(r.bottom - r.top, box.height) << name;
}

class SettingsDialogWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "run under the Japanese locale (scripts/wine-run.sh)";
        folder = fs::temp_directory_path() / (L"設定試験_" + std::to_wstring(GetCurrentProcessId()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        settings.BgmFolder = folder.u8string();
    }
    void TearDown() override {
        dialog.reset();
        Pump();
        SetCurrentDirectoryW(fs::temp_directory_path().c_str());  // the file dialog moves into its folder
        fs::remove_all(folder);
    }

    void Open() {
        dialog = SettingsDialog::Show(settings, store, folder.u8string());
        ASSERT_NE(dialog, nullptr);
        Pump();
    }
    HWND Control(int id) const { return dialog->Control(id); }
    bool FileButtonEnabled() const { return dialog->Button(SettingsDialog::kFileButtonId)->Core().isEnabled(); }
    bool RepeatEnabled() const { return IsWindowEnabled(Control(SettingsDialog::kRepeatId)); }

    // A mouse button pressed and released at a point of the panel.
    void PressOnPanel(UINT down, int x, int y) {
        HWND panel = Control(SettingsDialog::kPanelId);
        SendMessageW(panel, down, 0, MAKELPARAM(x, y));
        SendMessageW(panel, down + 1, 0, MAKELPARAM(x, y));
    }
    void Click(int buttonId) {
        HWND button = Control(buttonId);
        ASSERT_NE(button, nullptr);
        SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));  // the pointer arrives first
        SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        Pump();
    }
    void SetRepeatText(const std::wstring& text) { SetWindowTextW(Control(SettingsDialog::kRepeatId), text.c_str()); }

    fs::path Ini() const { return folder / L"モルヴァンティス.ini"; }
    std::string IniBytes() const {
        std::ifstream in(Ini(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static std::string Stored(const std::string& kind, const std::string& repeat, const std::string& file) {
        return "[Section]\r\n" + kKindKey + "=" + kind + "\r\n" + kRepeatKey + "=" + repeat + "\r\n" + kFileKey + "=" +
               file + "\r\n";
    }

    fs::path folder;
    Settings settings;
    Win32ProfileStore store;
    std::unique_ptr<SettingsDialog> dialog;
};

TEST_F(SettingsDialogWindowTest, OpensAsAFixedCaptionedWindowOffTheTaskBarWithItsControlsInPlace) {
    settings.BgmKind = 1;
    settings.BgmRepeat = 0;
    settings.BgmFile = u8"C:\\曲\\theme.mp3";
    SetCursorPos(100, 50);
    Open();
    HWND window = dialog->Hwnd();
    EXPECT_EQ(ZoomPointX, 100) << "the opening frame grows from the mouse position";
    EXPECT_EQ(ZoomPointY, 50);
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    EXPECT_STREQ(caption, L"<モルヴァンティス>");
    EXPECT_EQ(FindWindowW(nullptr, L"<モルヴァンティス>"), window) << "the instance guard finds it";
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 494);
    EXPECT_EQ(client.bottom, 246);

    // A title bar with the close box only, a border that does not size, and no task-bar button:
    // owned by a hidden window, neither an application nor a tool window.
    const LONG style = GetWindowLongW(window, GWL_STYLE), exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD), 0);
    EXPECT_EQ(exStyle & (WS_EX_APPWINDOW | WS_EX_TOOLWINDOW), 0);
    HWND owner = GetWindow(window, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_EQ(GetWindowTextLengthW(owner), 0) << "the guard must not find the owner";
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);

    RECT outer{};
    GetWindowRect(window, &outer);
    const dialog::Point at = dialog::DialogPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                                    outer.right - outer.left, outer.bottom - outer.top);
    EXPECT_EQ(outer.left, at.x);
    EXPECT_EQ(outer.top, at.y);

    HWND panel = Control(SettingsDialog::kPanelId);
    ExpectPlace(panel, window, dialog::kPicC, "Pic_C");
    ExpectPlace(Control(SettingsDialog::kSetButtonId), window, dialog::kCmdSet, "Cmd_Set");
    ExpectPlace(Control(SettingsDialog::kCancelButtonId), window, dialog::kCmdCan, "Cmd_Can");
    ExpectPlace(Control(SettingsDialog::kRepeatId), panel, dialog::kBgmRepeat, "BGM_Repeat");
    ExpectPlace(Control(SettingsDialog::kFileButtonId), panel, dialog::kCmdFile, "Cmd_File");

    // Kind 1 at opening: its mark, the combo box enabled, the file button not.
    EXPECT_TRUE(dialog->MarkSelected(1));
    EXPECT_FALSE(dialog->MarkSelected(0) || dialog->MarkSelected(2));
    EXPECT_TRUE(RepeatEnabled());
    EXPECT_FALSE(FileButtonEnabled());
    EXPECT_EQ(dialog->FileLabelCaption(), settings.BgmFile);

    // Repeat 0 shows an empty text; the list is an empty item and 1 to 30, editable.
    HWND combo = Control(SettingsDialog::kRepeatId);
    EXPECT_EQ(GetWindowTextLengthW(combo), 0);
    EXPECT_EQ(GetWindowLongW(combo, GWL_STYLE) & 3, CBS_DROPDOWN);
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 31);
    wchar_t item[8] = {};
    EXPECT_EQ(SendMessageW(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item)), 0);
    SendMessageW(combo, CB_GETLBTEXT, 30, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, L"30");
}

TEST_F(SettingsDialogWindowTest, GradientAndPanelTextureSurviveARepaint) {
    Open();
    HWND window = dialog->Hwnd();
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass ? "after a repaint" : "as shown");
        UpdateWindow(window);
        UpdateWindow(Control(SettingsDialog::kPanelId));
        HDC dc = GetDC(window);
        EXPECT_EQ(GetPixel(dc, 5, 0), RGB(0, 0, 30));
        EXPECT_EQ(GetPixel(dc, 5, 123), RGB(220, 220, 250));
        EXPECT_EQ(GetPixel(dc, 490, 200), RGB(122, 122, 152));
        ReleaseDC(window, dc);
        // The panel shows its texture, the same in every tile of a column.
        HDC panel = GetDC(Control(SettingsDialog::kPanelId));
        const COLORREF texture = GetPixel(panel, 460, 3);
        EXPECT_NE(texture, RGB(0xE0, 0xE0, 0xE0));
        EXPECT_GT(GetGValue(texture), 180);
        EXPECT_EQ(GetPixel(panel, 460, 143), texture);
        ReleaseDC(Control(SettingsDialog::kPanelId), panel);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

TEST_F(SettingsDialogWindowTest, AnyMouseButtonOnAMarkOrALabelChoosesTheKind) {
    settings.BgmKind = 0;
    Open();
    EXPECT_FALSE(RepeatEnabled() || FileButtonEnabled());
    const struct {
        UINT down;
        Box element;
        int kind;
    } presses[] = {
        {WM_RBUTTONDOWN, dialog::kLblBgm[1], 1}, {WM_LBUTTONDOWN, dialog::kImgBgm[2], 2},
        {WM_MBUTTONDOWN, dialog::kLblBgm[0], 0}, {WM_LBUTTONDOWN, dialog::kLblBgm[2], 2},
        {WM_RBUTTONDOWN, dialog::kImgBgm[1], 1}, {WM_RBUTTONDOWN, dialog::kImgBgm[0], 0},
    };
    for (const auto& p : presses) {
        SCOPED_TRACE(p.kind);
        PressOnPanel(p.down, p.element.x + p.element.width - 1, p.element.y + p.element.height - 1);
        EXPECT_EQ(settings.BgmKind, p.kind);
        for (int k = 0; k < 3; ++k) EXPECT_EQ(dialog->MarkSelected(k), k == p.kind) << "mark " << k;
        EXPECT_EQ(RepeatEnabled(), p.kind == 1);
        EXPECT_EQ(FileButtonEnabled(), p.kind == 2);
    }
    // Between the elements nothing changes.
    PressOnPanel(WM_LBUTTONDOWN, 42, 60);
    PressOnPanel(WM_LBUTTONDOWN, 300, 100);
    EXPECT_EQ(settings.BgmKind, 0);
    EXPECT_FALSE(fs::exists(Ini())) << "choosing writes nothing";
}

TEST_F(SettingsDialogWindowTest, SetWritesTheThreeKeysInOrderWithTheRepeatTextConverted) {
    const struct {
        const wchar_t* text;
        const char* stored;
    } cases[] = {{L"7", "7"}, {L"", "0"}, {L"abc", "0"}, {L"2.5", "2"}, {L"40000", "0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        fs::remove(Ini());
        settings.BgmKind = 1;
        settings.BgmFile = u8"C:\\曲\\a b.mp3";
        Open();
        SetRepeatText(c.text);
        Click(SettingsDialog::kSetButtonId);
        EXPECT_FALSE(dialog->IsOpen());
        EXPECT_EQ(IniBytes(), Stored("1", c.stored, "C:\\\x8B\xC8\\a b.mp3"));
    }
    // Another kind: the disabled combo box still gives the repeat value, and a file never
    // chosen is written empty.
    fs::remove(Ini());
    settings.BgmFile.clear();
    Open();
    PressOnPanel(WM_LBUTTONDOWN, dialog::kLblBgm[2].x, dialog::kLblBgm[2].y);
    SetRepeatText(L"12");
    Click(SettingsDialog::kSetButtonId);
    EXPECT_EQ(IniBytes(), Stored("2", "12", ""));
    EXPECT_EQ(settings.BgmRepeat, 12);
}

TEST_F(SettingsDialogWindowTest, CancelAndTheCloseBoxLeaveTheFileUntouched) {
    { std::ofstream(Ini(), std::ios::binary) << "[Section]\r\n" << kKindKey << "=1\r\n; kept as it is\r\n"; }
    const std::string before = IniBytes();
    for (const bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "cancel");
        settings.BgmKind = 1;
        Open();
        PressOnPanel(WM_LBUTTONDOWN, dialog::kImgBgm[2].x, dialog::kImgBgm[2].y);
        SetRepeatText(L"9");
        if (closeBox) {
            SendMessageW(dialog->Hwnd(), WM_CLOSE, 0, 0);
        } else {
            Click(SettingsDialog::kCancelButtonId);
        }
        EXPECT_FALSE(dialog->IsOpen());
        EXPECT_EQ(FindWindowW(nullptr, L"<モルヴァンティス>"), nullptr);
        EXPECT_EQ(IniBytes(), before);
    }
}

TEST_F(SettingsDialogWindowTest, AKindOutsideTheRangeShowsNoMarkAndIsWrittenBack) {
    settings.BgmKind = 7;
    settings.BgmRepeat = 4;
    Open();
    for (int k = 0; k < 3; ++k) EXPECT_FALSE(dialog->MarkSelected(k));
    EXPECT_FALSE(RepeatEnabled() || FileButtonEnabled());
    Click(SettingsDialog::kSetButtonId);
    EXPECT_EQ(IniBytes(), Stored("7", "4", ""));
}

// The file-open dialog, driven from a timer while it runs modally in this thread.
struct FileDialogScript {
    bool choose = false;
    std::wstring fileName;  // typed into the name field
    // What the dialog showed.
    bool seen = false;
    std::wstring title, folder, filter;
};
FileDialogScript* script = nullptr;

BOOL CALLBACK FindFileDialog(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (lstrcmpW(name, L"#32770") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK DriveFileDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindFileDialog, reinterpret_cast<LPARAM>(&box));
    if (!box || !script) return;
    KillTimer(nullptr, timer);
    wchar_t text[MAX_PATH] = {};
    GetWindowTextW(box, text, MAX_PATH);
    script->title = text;
    // The dialog is an ANSI one: it answers in code page 932.
    char folder[MAX_PATH] = {};
    SendMessageA(box, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
    MultiByteToWideChar(CP_ACP, 0, folder, -1, text, MAX_PATH);
    script->folder = text;
    SendDlgItemMessageW(box, cmb1, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    script->filter = text;
    script->seen = true;
    if (script->choose) {
        SetDlgItemTextW(box, edt1, script->fileName.c_str());
        SetDlgItemTextW(box, cmb13, script->fileName.c_str());
    }
    PostMessageW(box, WM_COMMAND, script->choose ? IDOK : IDCANCEL, 0);
}

TEST_F(SettingsDialogWindowTest, FileDialogStartsInTheMusicFolderAndOnlyAChoiceChangesTheFile) {
    const fs::path music = folder / L"曲";
    fs::create_directories(music);
    std::ofstream(music / L"my song.mp3") << "not really music";
    settings.BgmKind = 2;
    settings.BgmFile = u8"C:\\old.wav";
    settings.BgmFolder = music.u8string();
    Open();
    ASSERT_TRUE(FileButtonEnabled());

    FileDialogScript cancel;
    script = &cancel;
    SetTimer(nullptr, 0, 100, DriveFileDialog);
    Click(SettingsDialog::kFileButtonId);
    ASSERT_TRUE(cancel.seen);
    EXPECT_EQ(cancel.title, L"ﾌｧｲﾙを開く");
    EXPECT_EQ(fs::path(cancel.folder), music);
    EXPECT_EQ(cancel.filter, L"BGMﾌｧｲﾙ (MP3 WAV)");
    EXPECT_EQ(settings.BgmFile, u8"C:\\old.wav");
    EXPECT_EQ(dialog->FileLabelCaption(), u8"C:\\old.wav");
    EXPECT_EQ(settings.BgmFolder, music.u8string());

    FileDialogScript choose;
    choose.choose = true;
    choose.fileName = L"my song.mp3";
    script = &choose;
    SetTimer(nullptr, 0, 100, DriveFileDialog);
    Click(SettingsDialog::kFileButtonId);
    script = nullptr;
    ASSERT_TRUE(choose.seen);
    EXPECT_EQ(fs::u8path(settings.BgmFile), music / L"my song.mp3");
    EXPECT_EQ(dialog->FileLabelCaption(), settings.BgmFile);
    EXPECT_EQ(fs::u8path(settings.BgmFolder), music);
    EXPECT_TRUE(dialog->IsOpen());
}

TEST_F(SettingsDialogWindowTest, TheLinkShowsAPointingHandAndTheRestTheArrow) {
    Open();
    HWND window = dialog->Hwnd();
    HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LINK_CURSOR));
    ASSERT_NE(hand, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 12u);
    EXPECT_EQ(info.yHotspot, 10u);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);

    HCURSOR arrow = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    const auto cursorAt = [window](int x, int y) {
        POINT p{x, y};
        ClientToScreen(window, &p);
        SetCursorPos(p.x, p.y);
        SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(cursorAt(dialog::kLblUrl.x + 2, dialog::kLblUrl.y + 6), hand);
    EXPECT_EQ(cursorAt(dialog::kLblUrl.x + 2, dialog::kLblUrl.y - 3), arrow);
    EXPECT_EQ(cursorAt(300, 230), arrow);
}

}  // namespace
}  // namespace morvantis::host
