// Minimises or closes the running renderer's window as a user would, or presses Escape on the
// keyboard (for whichever window has it), for the pacing measurement and the tests on two
// monitors: renderer_command minimise | close | escape. Exit code 1 when there is no such window.
#include <windows.h>

#include <cstring>

namespace {

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
    HWND window = FindWindowA(nullptr, "Morvantis_VC");
    const char* command = argc > 1 ? argv[1] : "";
    if (window && std::strcmp(command, "escape") == 0) {
        PressEscape();
        return 0;
    }
    const bool close = std::strcmp(command, "close") == 0;
    return window && PostMessageA(window, WM_SYSCOMMAND, close ? SC_CLOSE : SC_MINIMIZE, 0) ? 0 : 1;
}
