// The settings dialog of the shipped saver host, driven from outside as a user would: /c opens
// it, its caption turns a saver start away, its file-open dialog starts in the music's folder
// and a cancel keeps the choice, "設定" stores the chosen file and the program ends with the
// dialog. (That a stored file is played is the music end-to-end tests' part.)
#include "program_driver.h"
#include "saver_install.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <fstream>

#include "host/dialog/settings_dialog.h"
#include "host/dialog/win32_settings_dialog.h"

namespace morvantis::e2e {
namespace {

using host::SettingsDialog;

TEST(SaverDialog, ConfigureModeTurnsASaverAwayAndStoresTheFileChosenInItsFolder) {
    // A folder of its own each run: the file dialog also remembers where it was last.
    const fs::path folder = InstallSaver("configure");
    const fs::path music = (folder / ("music " + std::to_string(GetTickCount64()))).make_preferred();
    fs::create_directories(music);
    std::ofstream(music / "old.mp3").close();
    std::ofstream(music / "my song.mp3") << "not really music";
    WriteSetting(folder, u8"BGMﾌｧｲﾙ", (music / "old.mp3").u8string());  // the file dialog starts in its folder

    RunningProgram configure = RunningProgram::Start(HostPath(folder), "/c:1234");
    HWND dialog = WaitForShownWindow(u8"<モルヴァンティス>", kStartTime);
    ASSERT_NE(dialog, nullptr);
    RunningProgram second = RunningProgram::Start(HostPath(folder), "/s");
    EXPECT_EQ(second.WaitForExit(kEndTime), std::optional<DWORD>(0)) << "a saver start is turned away";

    // Kind 2 by a press on its label; then the file-open dialog twice: a name without a folder,
    // found only in the folder the dialog starts in, and Cancel, which keeps that choice.
    HWND panel = GetDlgItem(dialog, SettingsDialog::kPanelId);
    const host::dialog::Box fileLabel = host::dialog::kLblBgm[2];
    PostMessageA(panel, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(fileLabel.x + 2, fileLabel.y + 2));
    for (const char* name : {"my song.mp3", static_cast<const char*>(nullptr)}) {
        Click(GetDlgItem(panel, SettingsDialog::kFileButtonId));
        const std::optional<MessageBoxSeen> open = WaitForMessageBox(configure.id(), kStartTime);
        ASSERT_TRUE(open.has_value()) << "the file-open dialog";
        EXPECT_EQ(open->caption, u8"ﾌｧｲﾙを開く");
        if (name) SetDlgItemTextA(open->window, edt1, name), SetDlgItemTextA(open->window, cmb13, name);
        PostMessageA(open->window, WM_COMMAND, name ? IDOK : IDCANCEL, 0);
        for (int i = 0; i < 100 && IsWindow(open->window); ++i) Sleep(50);
        ASSERT_FALSE(IsWindow(open->window));
    }
    Click(GetDlgItem(dialog, SettingsDialog::kSetButtonId));
    ASSERT_EQ(configure.WaitForExit(kEndTime), std::optional<DWORD>(0)) << "the program ends with the dialog";
    char stored[MAX_PATH] = {};
    GetPrivateProfileStringA("Section", ToAnsi(u8"BGMﾌｧｲﾙ").c_str(), "", stored, MAX_PATH,
                             ToAnsi((folder / fs::u8path(u8"モルヴァンティス.ini")).u8string()).c_str());
    EXPECT_EQ(ToUtf8(stored), (music / "my song.mp3").u8string());  // what a saver run then plays
}

}  // namespace
}  // namespace morvantis::e2e
