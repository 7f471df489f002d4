// The saver host's start: the instance guard and the dispatch on the screen-saver command line.
#pragma once

#include "host/settings_store.h"

#include <cstdint>
#include <string>

namespace morvantis::host {

extern const char* const kSessionCaption;      // "Morvantis_Main"
extern const char* const kDialogCaption;       // "<モルヴァンティス>"
extern const char* const kTextureFolder;       // "C:\n_orvi"
extern const char* const kRendererMissingText;  // the message when the renderer is not beside the host
extern const char* const kApplicationTitle;    // "モルヴァンティス (ScreenSaver)"

class StartupPlatform {
public:
    virtual ~StartupPlatform() = default;
    virtual bool WindowExists(const std::string& title) = 0;
    virtual void CreateFolder(const std::string& path) = 0;
    virtual Settings LoadSettings() = 0;
    virtual bool FileExists(const std::string& path) = 0;
    virtual void ShowRendererMissing() = 0;
    // Shows the settings dialog modally and returns when it has closed.
    virtual void RunSettingsDialog(Settings& settings) = 0;
    // Hides the cursor and returns the display count.
    virtual int HideCursor() = 0;
    // Embeds the preview in the given parent window; false when that names no window.
    virtual bool ShowPreview(std::uint32_t parent) = 0;
};

enum class StartupResult {
    End,      // the program ends now
    Preview,  // the preview window runs until its parent destroys it
    Session,  // the session runs until the renderer's window is gone
};

struct Startup {
    StartupResult result = StartupResult::End;
    Settings settings;
    int savedCursorCount = 0;
};

Startup Main(const std::string& commandLine, const std::string& hostFolder, StartupPlatform& platform);

}  // namespace morvantis::host
