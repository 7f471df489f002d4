// Minimises or closes the running renderer's window as a user would, or presses Escape on the
// keyboard once that window is the active one (the one the keyboard goes to), for the pacing
// measurement and the tests on two monitors: renderer_command minimise | close | escape.
// Exit code 1 when there is no such window, or when it does not become active within 10 s.
#include <windows.h>

#include <cstring>

namespace {

bool WaitUntilActive(HWND window) {
    for (int i = 0; i < 200 && GetForegroundWindow() != window; ++i) Sleep(50);
    return GetForegroundWindow() == window;
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

}  // namespace

int main(int argc, char** argv) {
    HWND window = FindWindowW(nullptr, L"Morvantis_VC");
    const char* command = argc > 1 ? argv[1] : "";
    if (std::strcmp(command, "escape") == 0) {
        if (!window || !WaitUntilActive(window)) return 1;
        PressEscape();
        return 0;
    }
    const bool close = std::strcmp(command, "close") == 0;
    return window && PostMessageW(window, WM_SYSCOMMAND, close ? SC_CLOSE : SC_MINIMIZE, 0) ? 0 : 1;
}
