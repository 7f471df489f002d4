// Minimises or closes the running renderer's window as a user would, for the pacing
// measurement: renderer_command minimise | close. Exit code 1 when there is no such window.
#include <windows.h>

#include <cstring>

int main(int argc, char** argv) {
    HWND window = FindWindowA(nullptr, "Morvantis_VC");
    const bool close = argc > 1 && std::strcmp(argv[1], "close") == 0;
    return window && PostMessageA(window, WM_SYSCOMMAND, close ? SC_CLOSE : SC_MINIMIZE, 0) ? 0 : 1;
}
