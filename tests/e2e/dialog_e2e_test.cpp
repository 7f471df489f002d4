// The settings dialog of the shipped saver host, driven from outside as a user would: /c opens
// it, its caption turns a saver start away, its file-open dialog starts in the music's folder,
// a path the settings file cannot hold is refused and a cancel keeps the choice, "設定" stores
// the chosen file as Shift-JIS bytes and the program ends with the dialog. (That a stored file is played is the music end-to-end tests' part.)
#include "program_driver.h"
#include "saver_install.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <utility>

#include "host/dialog/settings_dialog.h"
#include "host/dialog/win32_settings_dialog.h"

namespace morvantis::e2e {
namespace {

using host::SettingsDialog;

// Types a name into the open file-open dialog and presses OK, or Cancel for no name.
void AnswerFileDialog(const MessageBoxSeen& open, const wchar_t* name) {
    if (name) SetDlgItemTextW(open.window, edt1, name), SetDlgItemTextW(open.window, cmb13, name);
    DismissMessageBox(open.window, name ? IDOK : IDCANCEL);
}

TEST(SaverDialog, ConfigureModeTurnsASaverAwayAndStoresTheFileChosenInItsFolder) {
    // A folder of its own each run (the file dialog also remembers where it was last), with a
    // Japanese name, which the settings file holds as Shift-JIS bytes.
    const fs::path folder = InstallSaver("configure");
    const std::string tick = std::to_string(GetTickCount64());
    const fs::path music = (folder / fs::u8path(u8"曲 " + tick)).make_preferred();
    const std::string musicBytes = fs::path(folder).make_preferred().string() + "\\\x8B\xC8 " + tick;
    fs::create_directories(music);
    for (const char* name : {"old.mp3", "my song.mp3", u8"café.mp3"}) WriteBytes(music / fs::u8path(name), "");
    auto settings = [](const char* kind, const std::string& file) {
        return "[Section]\r\n" + kKindKey + "=" + kind + "\r\n" + kRepeatKey + "=0\r\n" + kFileKey + "=" + file + "\r\n";
    };
    WriteBytes(SettingsFile(folder), settings("1", musicBytes + "\\old.mp3"));  // the file dialog starts in its folder

    RunningProgram configure = RunningProgram::Start(HostPath(folder), "/c:1234");
    HWND dialog = WaitForWindow(u8"<モルヴァンティス>", kStartTime);
    ASSERT_NE(dialog, nullptr);
    RunningProgram second = RunningProgram::Start(HostPath(folder), "/s");
    EXPECT_EQ(second.WaitForExit(kEndTime), std::optional<DWORD>(0)) << "a saver start is turned away";

    // Kind 2 by a press on its label; then the file-open dialog three times: a name the settings
    // file cannot hold, which is refused with a message; a name without a folder, found only in
    // the folder the dialog starts in; and Cancel, which keeps that choice.
    HWND panel = GetDlgItem(dialog, SettingsDialog::kPanelId);
    const host::dialog::Box fileLabel = host::dialog::kLblBgm[2];
    PostMessageW(panel, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(fileLabel.x + 2, fileLabel.y + 2));
    const std::pair<const wchar_t*, bool> answers[] = {{L"caf\u00E9.mp3", true}, {L"my song.mp3", false}, {nullptr, false}};
    for (const auto& [name, refusedName] : answers) {
        Click(GetDlgItem(panel, SettingsDialog::kFileButtonId));
        const std::optional<MessageBoxSeen> open = WaitForMessageBox(configure.id(), kStartTime);
        ASSERT_TRUE(open.has_value()) << "the file-open dialog";
        EXPECT_EQ(open->caption, u8"ﾌｧｲﾙを開く");
        AnswerFileDialog(*open, name);
        if (!refusedName) continue;
        const std::optional<MessageBoxSeen> refused = WaitForMessageBox(configure.id(), kStartTime);
        ASSERT_TRUE(refused.has_value()) << "the refusal";
        EXPECT_EQ(refused->text, host::dialog::kUnstorableFileText);
        EXPECT_EQ(refused->caption, u8"モルヴァンティス (ScreenSaver)");
        DismissMessageBox(refused->window);
    }
    Click(GetDlgItem(dialog, SettingsDialog::kSetButtonId));
    ASSERT_EQ(configure.WaitForExit(kEndTime), std::optional<DWORD>(0)) << "the program ends with the dialog";
    // The bytes a Japanese system writes, whatever this one's code page; what a saver run then plays.
    EXPECT_EQ(ReadBytes(SettingsFile(folder)), settings("2", musicBytes + "\\my song.mp3"));
}

}  // namespace
}  // namespace morvantis::e2e
