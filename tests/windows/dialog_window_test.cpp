// The settings dialog as a real window in this process, under Wine with code page 932: its
// frame, choosing a kind with a mouse press, the file-open dialog, and the bytes that "設定"
// writes (and that "ｷｬﾝｾﾙ" and the close box leave alone).
#include <gtest/gtest.h>

#include <windows.h>
#include <dlgs.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "host/button/win32_command_button.h"
#include "host/dialog/settings_dialog.h"
#include "host/dialog/win32_settings_dialog.h"
#include "host/win32_profile_store.h"

namespace morvantis::host {
namespace {

namespace fs = std::filesystem;
using dialog::Box;

// The keys as stored in code page 932.
const std::string kKindKey = "\x42\x47\x4D\x8B\xE6\x95\xAA";
const std::string kRepeatKey = "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4";
const std::string kFileKey = "\x42\x47\x4D\xCC\xA7\xB2\xD9";
const wchar_t kCaption[] = L"<モルヴァンティス>";

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
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
    // The marks and the enabled controls that `kind` selects.
    void ExpectKind(int kind) const {
        for (int k = 0; k < 3; ++k) EXPECT_EQ(dialog->MarkSelected(k), k == kind) << "mark " << k;
        EXPECT_EQ(IsWindowEnabled(Control(SettingsDialog::kRepeatId)) != FALSE, kind == 1) << "combo box";
        EXPECT_EQ(dialog->Button(SettingsDialog::kFileButtonId)->Core().isEnabled(), kind == 2) << "file button";
    }

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

TEST_F(SettingsDialogWindowTest, OpensAsTheWindowTheGuardFindsAndAPressOnAMarkOrALabelChoosesTheKind) {
    settings.BgmKind = 7;  // hand-edited
    Open();
    HWND window = dialog->Hwnd();
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    EXPECT_STREQ(caption, kCaption);
    EXPECT_EQ(FindWindowW(nullptr, kCaption), window) << "the instance guard finds it";
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 494);
    EXPECT_EQ(client.bottom, 246);
    EXPECT_EQ(SendMessageW(Control(SettingsDialog::kRepeatId), CB_GETCOUNT, 0, 0), 31);
    ExpectKind(7);  // no mark, nothing enabled

    const struct {
        UINT down;
        Box element;
        int kind;
    } presses[] = {
        {WM_RBUTTONDOWN, dialog::kLblBgm[2], 2}, {WM_LBUTTONDOWN, dialog::kImgBgm[0], 0},
        {WM_RBUTTONDOWN, dialog::kImgBgm[1], 1}, {WM_LBUTTONDOWN, dialog::kImgBgm[2], 2},
        {WM_RBUTTONDOWN, dialog::kLblBgm[0], 0}, {WM_MBUTTONDOWN, dialog::kLblBgm[1], 1},
    };
    for (const auto& p : presses) {
        SCOPED_TRACE(p.kind);
        PressOnPanel(p.down, p.element.x + p.element.width - 1, p.element.y + p.element.height - 1);
        EXPECT_EQ(settings.BgmKind, p.kind);
        ExpectKind(p.kind);
    }
    PressOnPanel(WM_LBUTTONDOWN, 42, 60);  // between a mark and its label
    EXPECT_EQ(settings.BgmKind, 1);
    EXPECT_FALSE(fs::exists(Ini())) << "choosing writes nothing";
}

TEST_F(SettingsDialogWindowTest, SetWritesTheThreeKeysInOrderAndCancelOrTheCloseBoxNothing) {
    const std::string kept = "[Section]\r\n" + kKindKey + "=1\r\n; kept as it is\r\n";
    const struct {
        int kind;
        const wchar_t* text;  // none: as the dialog shows the stored 4
        const char* stored;   // none: the file stays as it was
        int button;           // 0: the close box
    } cases[] = {
        {1, L"7", "7", SettingsDialog::kSetButtonId},     {1, L"", "0", SettingsDialog::kSetButtonId},
        {1, L"abc", "0", SettingsDialog::kSetButtonId},   {1, L"2.5", "2", SettingsDialog::kSetButtonId},
        {1, L"40000", "0", SettingsDialog::kSetButtonId}, {7, nullptr, "4", SettingsDialog::kSetButtonId},
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
        if (c.text) SetRepeatText(c.text);
        if (c.button) {
            Click(c.button);
        } else {
            SendMessageW(dialog->Hwnd(), WM_CLOSE, 0, 0);
        }
        EXPECT_FALSE(dialog->IsOpen());
        EXPECT_EQ(FindWindowW(nullptr, kCaption), nullptr);
        EXPECT_EQ(IniBytes(), c.stored ? Stored(std::to_string(c.kind), c.stored, "C:\\\x8B\xC8\\a b.mp3") : kept);
    }
}

// The file-open dialog, driven from a timer while it runs modally in this thread: a name typed
// in and OK, or Cancel when there is none. The name has no folder: it is found only in the
// folder the dialog starts in.
struct FileDialogScript {
    const wchar_t* fileName;
    bool seen = false;
};
FileDialogScript* script = nullptr;

void CALLBACK DriveFileDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowW(L"#32770", nullptr);
    if (!box || !IsWindowVisible(box) || !script) return;
    KillTimer(nullptr, timer);
    script->seen = true;
    if (script->fileName) {
        SetDlgItemTextW(box, edt1, script->fileName);
        SetDlgItemTextW(box, cmb13, script->fileName);
    }
    PostMessageW(box, WM_COMMAND, script->fileName ? IDOK : IDCANCEL, 0);
}

TEST_F(SettingsDialogWindowTest, FileDialogStartsInTheMusicFolderAndOnlyAChoiceChangesTheFile) {
    const fs::path music = folder / L"曲";
    fs::create_directories(music);
    std::ofstream(music / L"my song.mp3") << "not really music";
    settings.BgmKind = 2;
    settings.BgmFile = u8"C:\\old.wav";
    settings.BgmFolder = music.u8string();
    Open();
    for (const wchar_t* choice : {static_cast<const wchar_t*>(nullptr), L"my song.mp3"}) {
        SCOPED_TRACE(choice ? "chosen" : "cancelled");
        FileDialogScript run{choice};
        script = &run;
        SetTimer(nullptr, 0, 100, DriveFileDialog);
        Click(SettingsDialog::kFileButtonId);
        script = nullptr;
        ASSERT_TRUE(run.seen);
        EXPECT_EQ(fs::u8path(settings.BgmFile), choice ? music / choice : fs::path(L"C:\\old.wav"));
        EXPECT_EQ(dialog->FileLabelCaption(), settings.BgmFile);
    }
    EXPECT_EQ(fs::u8path(settings.BgmFolder), music);
    EXPECT_TRUE(dialog->IsOpen());
}

}  // namespace
}  // namespace morvantis::host
