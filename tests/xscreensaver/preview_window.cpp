// A window that draws nothing itself, as a screen saver's preview pane: 300 x 225 pixels, black
// (with the argument "input-only": a window that cannot be drawn in at all). Prints its id, takes
// "WIDTHxHEIGHT" lines on stdin as resizes, and ends at the end of stdin, whereupon the server
// destroys the window.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 1;
    const Window root = DefaultRootWindow(display);
    const bool inputOnly = argc > 1 && std::strcmp(argv[1], "input-only") == 0;
    XSetWindowAttributes none{};
    const Window window = inputOnly ? XCreateWindow(display, root, 0, 0, 300, 225, 0, 0, InputOnly, CopyFromParent, 0, &none)
                                    : XCreateSimpleWindow(display, root, 0, 0, 300, 225, 0, 0, 0);
    XMapWindow(display, window);
    XSync(display, False);
    std::printf("0x%lx\n", window);
    std::fflush(stdout);
    unsigned width = 0, height = 0;
    while (std::scanf("%ux%u", &width, &height) == 2) {
        XResizeWindow(display, window, width, height);
        XSync(display, False);
    }
    XCloseDisplay(display);
    return 0;
}
