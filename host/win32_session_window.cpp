#include "host/win32_session_window.h"

#include "host/music/background_music.h"
#include "host/music/win32_mci_port.h"
#include "host/resource_ids.h"
#include "host/session.h"
#include "host/startup.h"
#include "host/win32_resources.h"

#include <windows.h>

#include <memory>

namespace morvantis::host {
namespace {

enum TimerId : UINT_PTR { kMp3Watch = 1, kCdWatch = 2, kRendererWatch = 3 };

class Win32SessionPlatform : public SessionPlatform {
public:
    ~Win32SessionPlatform() override {
        if (renderer_) CloseHandle(renderer_);
    }

    bool SaveTexture(int picture, const std::string& path) override {
        return WriteResourceToFile(picture == 1 ? IDR_SURFACE_TEXTURE : IDR_SPHERE_TEXTURE, path);
    }

    // By its full path as the program to run: no search, no splitting at blanks.
    bool StartRenderer(const std::string& path) override {
        const std::wstring program = Widen(path);
        std::wstring commandLine = L"\"" + program + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &info))
            return false;
        CloseHandle(info.hThread);
        renderer_ = info.hProcess;
        return true;
    }

    bool RendererRunning() override { return renderer_ && WaitForSingleObject(renderer_, 0) == WAIT_TIMEOUT; }

    bool WindowExists(const std::string& title) override {
        return FindWindowW(nullptr, Widen(title).c_str()) != nullptr;
    }

    int ShowCursor(int show) override { return ::ShowCursor(show != 0); }

    // Ending is immediate: no further events run.
    void EndProgram() override { ExitProcess(0); }

private:
    HANDLE renderer_ = nullptr;
};

struct SessionForm {
    Win32SessionPlatform platform;
    Win32MciPort port;
    Settings settings;
    std::unique_ptr<BackgroundMusic> music;
    std::unique_ptr<SaverSession> session;
    HWND window = nullptr;
    bool timerRunning[4] = {};
};

SessionForm* form = nullptr;

// Only a change starts or stops a timer: setting a running timer again would restart its
// interval, and the 500 ms watch would then keep the 1000 ms one from ever firing.
void SyncTimer(UINT_PTR id, const SaverSession::Timer& timer) {
    bool& running = form->timerRunning[id];
    if (timer.enabled == running) return;
    running = timer.enabled;
    if (timer.enabled)
        SetTimer(form->window, id, timer.intervalMs, nullptr);
    else
        KillTimer(form->window, id);
}

// The form's timers follow the session's after every event.
void SyncTimers() {
    SyncTimer(kMp3Watch, form->session->timer1);
    SyncTimer(kCdWatch, form->session->timer2);
    SyncTimer(kRendererWatch, form->session->timer3);
}

LRESULT CALLBACK SessionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && form) {
        if (wParam == kMp3Watch) form->session->Timer1_Timer();
        if (wParam == kCdWatch) form->session->Timer2_Timer();
        if (wParam == kRendererWatch) form->session->Timer3_Timer();
        SyncTimers();
        return 0;
    }
    if ((message == WM_CLOSE || message == WM_QUERYENDSESSION) && form) {
        form->session->Form_QueryUnload();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool StartSessionWindow(const Settings& settings, const std::string& hostFolder, const std::string& commandLine,
                        int savedCursorCount) {
    static SessionForm theForm;
    form = &theForm;
    form->settings = settings;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = SessionProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"Morvantis_S";
    RegisterClassW(&windowClass);
    // Hidden for the whole session: its caption is what the instance guard finds.
    form->window = CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, Widen(kSessionCaption).c_str(),
                                   WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!form->window) return false;
    form->music = std::make_unique<BackgroundMusic>(form->port, form->settings);
    form->session = std::make_unique<SaverSession>(form->platform, *form->music, form->settings, hostFolder,
                                                   commandLine, savedCursorCount);
    form->session->Form_Load();
    SyncTimers();
    return true;
}

}  // namespace morvantis::host
