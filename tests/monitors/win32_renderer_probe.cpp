// Looks at the running Windows renderer from beside it, for the tests on two monitors:
//   renderer_probe windows   one line per shown top-level window of the renderer's process on
//                            standard output (send it to a file: a pipe from Wine can stay
//                            open): CLASS LEFT TOP RIGHT BOTTOM, and foreground for the window
//                            that is active (and so has the keyboard)
//   renderer_probe widen     switches the first monitor beside the primary to 1024 x 768 until
//                            the display is restored, as another program might while the
//                            renderer runs
// Exit code 1 when the renderer's window is not there or the switch failed.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

BOOL CALLBACK PrintRendererWindow(HWND window, LPARAM process) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != static_cast<DWORD>(process) || !IsWindowVisible(window)) return TRUE;
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("%s %ld %ld %ld %ld%s\n", className, r.left, r.top, r.right, r.bottom,
                GetForegroundWindow() == window ? " foreground" : "");
    return TRUE;
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
    if (argc == 2 && std::strcmp(argv[1], "widen") == 0) return WidenMonitorBesideThePrimary() ? 0 : 1;
    DWORD process = 0;
    const HWND renderer = FindWindowW(nullptr, L"Morvantis_VC");
    if (!renderer || !GetWindowThreadProcessId(renderer, &process)) return 1;
    EnumWindows(PrintRendererWindow, static_cast<LPARAM>(process));
    return 0;
}
