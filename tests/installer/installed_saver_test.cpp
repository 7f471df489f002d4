// The saver as the installer left it, started the way Windows starts it: from the path that
// SCRNSAVE.EXE names; while any of its programs runs, the installer and the uninstaller change
// nothing. Run by installer_test.sh, which names the installer (MORVANTIS_INSTALLER) and checks
// the files and the registry left behind.
#include "program_driver.h"
#include "saver_install.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "host/dialog/win32_settings_dialog.h"

namespace morvantis::e2e {
namespace {

constexpr int kFolderField = 1019;  // the edit control of the installer's folder page
constexpr std::optional<DWORD> kRefused = 2;

std::string CurrentScreenSaver() {
    wchar_t path[MAX_PATH] = {};
    DWORD size = sizeof path;
    RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"SCRNSAVE.EXE", RRF_RT_REG_SZ, nullptr, path, &size);
    return Narrow(path);
}

RunningProgram Installer(const std::string& arguments) {
    const char* installer = std::getenv("MORVANTIS_INSTALLER");
    return RunningProgram::Start(installer ? installer : "", arguments);
}

// The installed uninstaller, run where it lies so that its exit code is waited for: in the folder
// that SCRNSAVE.EXE names, in short (8.3) names where the volume has them.
RunningProgram Uninstaller(const std::string& arguments) {
    const std::string saver = CurrentScreenSaver(), folder = saver.substr(0, saver.find_last_of('\\'));
    return RunningProgram::Start(folder + "\\uninstall.exe", arguments + " _?=" + folder);
}

TEST(InstalledSaver, DuringASessionNeitherInstallerNorUninstallerChangesAnything) {
    RunningProgram saver = RunningProgram::Start(CurrentScreenSaver(), "/s");
    HWND renderer = WaitForWindow("Morvantis_VC", kStartTime);
    ASSERT_NE(renderer, nullptr);
    for (const char* arguments : {"/S", "/S /D=C:\\elsewhere"})
        EXPECT_EQ(Installer(arguments).WaitForExit(kStartTime), kRefused) << arguments;
    EXPECT_EQ(Uninstaller("/S").WaitForExit(kStartTime), kRefused);

    RunningProgram uninstaller = Uninstaller("");  // says why, and asks until cancelled
    for (int button : {IDRETRY, IDCANCEL}) {
        const std::optional<MessageBoxSeen> box = WaitForMessageBox(uninstaller.id(), kStartTime);
        ASSERT_TRUE(box);
        EXPECT_NE(box->text.find(u8"実行中"), std::string::npos) << box->text;
        DismissMessageBox(box->window, button);
    }
    EXPECT_EQ(uninstaller.WaitForExit(kEndTime), kRefused);

    RunningProgram setup = Installer("");  // says why, and goes back to its folder page
    const std::optional<MessageBoxSeen> wizard = WaitForMessageBox(setup.id(), kStartTime);
    ASSERT_TRUE(wizard);
    PostMessageW(wizard->window, WM_COMMAND, IDOK, 0);
    const std::optional<MessageBoxSeen> reason = WaitForMessageBox(setup.id(), kStartTime, wizard->window);
    ASSERT_TRUE(reason);
    EXPECT_NE(reason->text.find(u8"実行中"), std::string::npos) << reason->text;
    DismissMessageBox(reason->window);
    EXPECT_NE(GetDlgItem(FindWindowExW(wizard->window, nullptr, L"#32770", nullptr), kFolderField), nullptr);

    PostMessageW(renderer, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(saver.WaitForExit(kEndTime), std::optional<DWORD>(0));
}

TEST(InstalledSaver, TheUninstallerChangesNothingWhileThePreviewShows) {
    const Monitor monitor(152, 112);
    RunningProgram preview = RunningProgram::Start(CurrentScreenSaver(), monitor.PreviewLine());
    EXPECT_EQ(Uninstaller("/S").WaitForExit(kStartTime), kRefused);
    EXPECT_TRUE(preview.Running());
}

TEST(InstalledSaver, SetInItsSettingsDialogEndsTheProgramAndTheUninstallerWaitsForIt) {
    RunningProgram configure = RunningProgram::Start(CurrentScreenSaver(), "/c");
    HWND dialog = WaitForWindow(u8"<モルヴァンティス>", kStartTime);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Uninstaller("/S").WaitForExit(kStartTime), kRefused);
    Click(GetDlgItem(dialog, host::SettingsDialog::kSetButtonId));
    EXPECT_EQ(configure.WaitForExit(kEndTime), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace morvantis::e2e
