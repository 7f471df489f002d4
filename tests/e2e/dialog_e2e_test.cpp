// The settings dialog of the shipped saver host, driven from outside as a user would: /c opens
// it and the program ends with it, its caption turns other starts away, and what it stores is
// what the next saver run plays (read from Wine's MCI trace, which the harness writes to a file
// for this whole test program).
#include "mci_trace.h"
#include "program_driver.h"
#include "saver_install.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <fstream>
#include <iterator>

#include "host/dialog/settings_dialog.h"
#include "host/dialog/win32_settings_dialog.h"

namespace morvantis::e2e {
namespace {

using host::SettingsDialog;

const MciTrace kTrace(fs::u8path(MORVANTIS_MCI_TRACE));
const char kDialogCaption[] = u8"<モルヴァンティス>";

// The first MCI command string sent after `offset`; empty until its line is whole.
std::string FirstMciCommandSince(std::uintmax_t offset) {
    const std::vector<std::string> commands = kTrace.CommandsSince(offset);
    return commands.empty() ? std::string() : commands.front();
}

TEST(SaverDialog, ConfigureModeOpensTheDialogWhichTurnsOtherStartsAwayAndEndsTheProgram) {
    const fs::path folder = InstallSaver("configure");
    RunningProgram host = RunningProgram::Start(HostPath(folder), "/c:1234");
    HWND dialog = WaitForShownWindow(kDialogCaption, kStartTime);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ClassNameOf(dialog), "Morvantis_P");
    for (const char* line : {"/s", "/c", ""}) {
        RunningProgram second = RunningProgram::Start(HostPath(folder), line);
        EXPECT_EQ(second.WaitForExit(kEndTime), std::optional<DWORD>(0)) << line;
    }
    EXPECT_EQ(FindWindowA(nullptr, "Morvantis_VC"), nullptr) << "no renderer started";
    EXPECT_TRUE(host.Running());

    PostMessageA(dialog, WM_CLOSE, 0, 0);  // the close box
    EXPECT_EQ(host.WaitForExit(kEndTime), std::optional<DWORD>(0));
}

TEST(SaverDialog, AMusicFileChosenInTheDialogIsPlayedByTheNextSaverRun) {
    const fs::path folder = InstallSaver("chosen");
    fs::path song = folder / fs::u8path(u8"my song.mp3");
    song.make_preferred();
    std::ofstream(song) << "not really music";

    RunningProgram configure = RunningProgram::Start(HostPath(folder), "/c");
    HWND dialog = WaitForShownWindow(kDialogCaption, kStartTime);
    ASSERT_NE(dialog, nullptr);
    HWND panel = GetDlgItem(dialog, SettingsDialog::kPanelId);
    ASSERT_NE(panel, nullptr);
    const host::dialog::Box fileLabel = host::dialog::kLblBgm[2];
    PostMessageA(panel, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(fileLabel.x + 2, fileLabel.y + 2));
    Click(GetDlgItem(panel, SettingsDialog::kFileButtonId));

    const std::optional<MessageBoxSeen> open = WaitForMessageBox(configure.id(), kStartTime);
    ASSERT_TRUE(open.has_value()) << "the file-open dialog";
    EXPECT_EQ(open->caption, u8"ﾌｧｲﾙを開く");
    const std::string name = ToAnsi(song.u8string());
    SetDlgItemTextA(open->window, edt1, name.c_str());
    SetDlgItemTextA(open->window, cmb13, name.c_str());
    PostMessageA(open->window, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 100 && IsWindow(open->window); ++i) Sleep(50);
    ASSERT_FALSE(IsWindow(open->window));

    Click(GetDlgItem(dialog, SettingsDialog::kSetButtonId));
    ASSERT_EQ(configure.WaitForExit(kEndTime), std::optional<DWORD>(0));

    const std::uintmax_t before = kTrace.Size();
    RunningProgram saver = RunningProgram::Start(HostPath(folder), "/s");
    HWND renderer = WaitForWindow("Morvantis_VC", kStartTime);
    ASSERT_NE(renderer, nullptr);
    std::string played;
    for (int i = 0; i < 200 && (played = FirstMciCommandSince(before)).empty(); ++i) Sleep(50);
    PostMessageA(renderer, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(saver.WaitForExit(kEndTime), std::optional<DWORD>(0));
    EXPECT_EQ(played, "open \"" + song.u8string() + "\" type MPEGVideo Alias MP3Play");
}

}  // namespace
}  // namespace morvantis::e2e
