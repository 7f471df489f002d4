// Looks at the running Windows renderer from beside it and acts on it as a user would, for the
// tests on two monitors. Writes to standard output (send it to a file: a pipe from a Wine
// program can stay open):
//   renderer_probe windows   one line per shown top-level window of the renderer's process:
//                            CLASS LEFT TOP RIGHT BOTTOM, then the words that apply of
//                            topmost, noactivate, foreground (the active window) and focus
//   renderer_probe monitors  one line per monitor: LEFT TOP RIGHT BOTTOM, and primary
//   renderer_probe escape    presses Escape on the keyboard, for whichever window has it
//   renderer_probe close     closes the renderer's window (WM_CLOSE)
//   renderer_probe widen     switches the first monitor beside the primary to 1024 x 768 until
//                            the display is restored, as another program might while the
//                            renderer runs
// Exit code 1 when the renderer's window is not there (or the switch failed), 2 for a bad command.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

HWND Renderer() { return FindWindowW(nullptr, L"Morvantis_VC"); }

HWND FocusWindow() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(0, &info) ? info.hwndFocus : nullptr;
}

BOOL CALLBACK PrintWindow(HWND window, LPARAM process) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != static_cast<DWORD>(process) || !IsWindowVisible(window)) return TRUE;
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    RECT r{};
    GetWindowRect(window, &r);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    std::printf("%s %ld %ld %ld %ld%s%s%s%s\n", className, r.left, r.top, r.right, r.bottom,
                exStyle & WS_EX_TOPMOST ? " topmost" : "", exStyle & WS_EX_NOACTIVATE ? " noactivate" : "",
                GetForegroundWindow() == window ? " foreground" : "", FocusWindow() == window ? " focus" : "");
    return TRUE;
}

BOOL CALLBACK PrintMonitor(HMONITOR monitor, HDC, LPRECT r, LPARAM) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    std::printf("%ld %ld %ld %ld%s\n", r->left, r->top, r->right, r->bottom,
                info.dwFlags & MONITORINFOF_PRIMARY ? " primary" : "");
    return TRUE;
}

// Held down for a while, as a finger does: the renderer looks at the key between frames.
void PressEscape() {
    INPUT key{};
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = VK_ESCAPE;
    SendInput(1, &key, sizeof key);
    Sleep(300);
    key.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &key, sizeof key);
}

bool WidenMonitorBesideThePrimary() {
    DISPLAY_DEVICEW device{};
    device.cb = sizeof device;
    for (DWORD i = 0; EnumDisplayDevicesW(nullptr, i, &device, 0); ++i) {
        if (!(device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) || device.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE)
            continue;
        DEVMODEW mode{};
        mode.dmSize = sizeof mode;
        mode.dmPelsWidth = 1024;
        mode.dmPelsHeight = 768;
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        return ChangeDisplaySettingsExW(device.DeviceName, &mode, nullptr, CDS_FULLSCREEN, nullptr) ==
               DISP_CHANGE_SUCCESSFUL;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const char* command = argc == 2 ? argv[1] : "";
    if (std::strcmp(command, "monitors") == 0) return EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 0) ? 0 : 1;
    if (std::strcmp(command, "widen") == 0) return WidenMonitorBesideThePrimary() ? 0 : 1;
    const HWND renderer = Renderer();
    if (std::strcmp(command, "windows") == 0) {
        DWORD process = 0;
        if (!renderer || !GetWindowThreadProcessId(renderer, &process)) return 1;
        EnumWindows(PrintWindow, static_cast<LPARAM>(process));
    } else if (std::strcmp(command, "escape") == 0) {
        if (!renderer) return 1;
        PressEscape();
    } else if (std::strcmp(command, "close") == 0) {
        if (!renderer || !PostMessageW(renderer, WM_CLOSE, 0, 0)) return 1;
    } else {
        return 2;
    }
    return 0;
}
