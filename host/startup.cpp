#include "host/startup.h"

#include "host/command_line.h"
#include "host/session.h"

namespace morvantis::host {

const char* const kSessionCaption = "Morvantis_Main";
const char* const kDialogCaption = "<モルヴァンティス>";
const char* const kTextureFolder = "C:\\n_orvi";
const char* const kRendererMissingText = "モルヴァンティス.dll が同じﾌｫﾙﾀﾞに見つかりません！";
const char* const kApplicationTitle = "モルヴァンティス (ScreenSaver)";

Startup Main(const std::string& commandLine, const std::string& hostFolder, StartupPlatform& platform) {
    Startup startup;
    // A running session or an open settings dialog turns every other start away.
    if (platform.WindowExists(kSessionCaption) || platform.WindowExists(kDialogCaption)) return startup;

    const std::string mode = ModeLetter(commandLine);
    if (mode == "P") {
        if (platform.ShowPreview(PreviewParentHandle(commandLine))) startup.result = StartupResult::Preview;
        return startup;
    }

    platform.CreateFolder(kTextureFolder);
    startup.settings = platform.LoadSettings();
    if (!platform.FileExists(hostFolder + kRendererFileName)) {
        platform.ShowRendererMissing();
        return startup;
    }
    if (mode == "C") {
        platform.RunSettingsDialog(startup.settings);
        return startup;
    }
    if (mode != "S" && !commandLine.empty()) return startup;
    if (mode == "S") startup.savedCursorCount = platform.HideCursor();
    startup.result = StartupResult::Session;
    return startup;
}

}  // namespace morvantis::host
