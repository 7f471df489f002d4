// The saver host: answers the screen-saver command line.
#include "host/dialog/win32_settings_dialog.h"
#include "host/file_probe.h"
#include "host/preview_window.h"
#include "host/settings_store.h"
#include "host/startup.h"
#include "host/profile_file_store.h"
#include "host/win32_resources.h"
#include "host/win32_session_window.h"
#include "host/win32_whole_file.h"

#include <windows.h>

namespace {

using namespace morvantis::host;

// The text after the program name, as Windows passed it, without the blanks that separate it.
std::string ArgumentText() {
    const wchar_t* p = GetCommandLineW();
    if (*p == L'"') {
        ++p;
        while (*p && *p != L'"') ++p;
        if (*p) ++p;
    } else {
        while (*p && *p != L' ' && *p != L'\t') ++p;
    }
    while (*p == L' ' || *p == L'\t') ++p;
    return Narrow(p);
}

// The folder that holds this program, without a trailing separator (except at a drive root).
std::string HostFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
    if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
    return Narrow(folder);
}

class Win32StartupPlatform : public StartupPlatform {
public:
    explicit Win32StartupPlatform(std::string hostFolder) : hostFolder_(std::move(hostFolder)) {}

    bool WindowExists(const std::string& title) override {
        return FindWindowW(nullptr, Widen(title).c_str()) != nullptr;
    }
    void CreateFolder(const std::string& path) override { CreateDirectoryW(Widen(path).c_str(), nullptr); }
    Settings LoadSettings() override {
        Win32WholeFile files;
        ProfileFileStore store(files);
        return morvantis::host::LoadSettings(store, hostFolder_, morvantis::host::FileExists);
    }
    bool FileExists(const std::string& path) override { return morvantis::host::FileExists(path); }
    void ShowRendererMissing() override {
        MessageBoxW(nullptr, Widen(kRendererMissingText).c_str(), Widen(kApplicationTitle).c_str(), MB_OK);
    }
    void RunSettingsDialog(Settings& settings) override {
        Win32WholeFile files;
        ProfileFileStore store(files);
        morvantis::host::RunSettingsDialog(settings, store, hostFolder_);
    }
    int HideCursor() override { return ShowCursor(FALSE); }
    bool ShowPreview(std::uint32_t parent) override { return ShowPreviewWindow(parent); }

private:
    std::string hostFolder_;
};

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string commandLine = ArgumentText();
    const std::string hostFolder = HostFolder();
    Win32StartupPlatform platform(hostFolder);
    const Startup startup = Main(commandLine, hostFolder, platform);
    switch (startup.result) {
        case StartupResult::Preview:
            return RunMessageLoop();
        case StartupResult::Session:
            if (!StartSessionWindow(startup.settings, hostFolder, commandLine, startup.savedCursorCount)) return 0;
            return RunMessageLoop();
        case StartupResult::End:
            break;
    }
    return 0;
}
