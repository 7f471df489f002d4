// Minimises or closes the native renderer's window, or presses Escape in it, for the pacing
// measurement and the own window's test: renderer_command minimise|close|escape WINDOW-ID (as
// xwininfo prints it).
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    Display* display = argc == 3 ? XOpenDisplay(nullptr) : nullptr;
    if (!display) return 1;
    const Window window = std::strtoul(argv[2], nullptr, 0);
    if (std::strcmp(argv[1], "close") == 0) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        XSendEvent(display, window, False, NoEventMask, &event);
    } else if (std::strcmp(argv[1], "escape") == 0) {
        XEvent event{};
        event.xkey.type = KeyPress;
        event.xkey.display = display;
        event.xkey.window = window;
        event.xkey.keycode = XKeysymToKeycode(display, XK_Escape);
        event.xkey.same_screen = True;
        XSendEvent(display, window, True, KeyPressMask, &event);
    } else {
        // What a window manager does to iconify; the measurement's display runs none.
        XUnmapWindow(display, window);
    }
    XCloseDisplay(display);
    return 0;
}
