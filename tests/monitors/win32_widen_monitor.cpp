// Switches the first monitor beside the primary to 1024 x 768 until the display is restored, as
// another program may while the renderer runs. Exit code 1 when there is no such monitor or the
// switch failed.
#include <windows.h>

int main() {
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
                       DISP_CHANGE_SUCCESSFUL
                   ? 0
                   : 1;
    }
    return 1;
}
