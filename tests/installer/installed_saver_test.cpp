// The saver as the installer left it, started the way Windows starts it: from the path that
// SCRNSAVE.EXE names. Run by installer_test.sh, which names the installer (MORVANTIS_INSTALLER)
// and checks the files left behind.
#include "program_driver.h"
#include "saver_install.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "host/dialog/win32_settings_dialog.h"

namespace morvantis::e2e {
namespace {

std::string CurrentScreenSaver() {
    wchar_t path[MAX_PATH] = {};
    DWORD size = sizeof path;
    RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"SCRNSAVE.EXE", RRF_RT_REG_SZ, nullptr, path, &size);
    return Narrow(path);
}

TEST(InstalledSaver, RunsASessionDuringWhichAnUpgradeIsRefused) {
    RunningProgram saver = RunningProgram::Start(CurrentScreenSaver(), "/s");
    HWND renderer = WaitForWindow("Morvantis_VC", kStartTime);
    ASSERT_NE(renderer, nullptr);
    const char* installer = std::getenv("MORVANTIS_INSTALLER");
    ASSERT_NE(installer, nullptr);
    RunningProgram upgrade = RunningProgram::Start(installer, "/S");
    EXPECT_EQ(upgrade.WaitForExit(kStartTime), std::optional<DWORD>(2));
    PostMessageW(renderer, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(saver.WaitForExit(kEndTime), std::optional<DWORD>(0));
}

TEST(InstalledSaver, SetInItsSettingsDialogEndsTheProgram) {
    RunningProgram configure = RunningProgram::Start(CurrentScreenSaver(), "/c");
    HWND dialog = WaitForShownWindow(u8"<モルヴァンティス>", kStartTime);
    ASSERT_NE(dialog, nullptr);
    Click(GetDlgItem(dialog, host::SettingsDialog::kSetButtonId));
    EXPECT_EQ(configure.WaitForExit(kEndTime), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace morvantis::e2e
