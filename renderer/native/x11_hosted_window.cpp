// The native renderer in a window another program made: a screen saver's window (--root) or the
// small preview of its settings (--window-id). The window is left as it was found: no display
// mode, no input, no cursor. The picture follows the window's size; the program ends with 0 when
// the window is destroyed under it (SIGTERM and SIGINT end it by the signal).
#include "renderer/native/shell.h"
#include "renderer/native/x11_frame_pacing.h"
#include "renderer/native/x11_glx_scene.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>

namespace morvantis {
namespace {

// What the X error handler learnt. Drawing into a window destroyed under us fails later, with
// BadWindow or BadDrawable (or a GLX error) naming that window: that is an end, not a crash. Once
// the window is known to be gone, what fails after it (the driver's graphics contexts, the
// teardown) is part of that end and is not reported either.
Window hostWindow = 0;
bool windowGone = false;
bool otherXError = false;

int NoteXError(Display* display, XErrorEvent* error) {
    if (windowGone || error->resourceid == hostWindow) {
        windowGone = true;
        return 0;
    }
    char text[160];
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "morvantis: X error %s (request %d.%d)\n", text, error->request_code, error->minor_code);
    otherXError = true;
    return 0;
}

// The GLX description of the window's own visual; null when OpenGL cannot draw with it.
XVisualInfo* GlVisualOf(Display* display, const XWindowAttributes& attributes) {
    XVisualInfo wanted{};
    wanted.visualid = XVisualIDFromVisual(attributes.visual);
    wanted.screen = XScreenNumberOfScreen(attributes.screen);
    int count = 0;
    XVisualInfo* visual = XGetVisualInfo(display, VisualIDMask | VisualScreenMask, &wanted, &count);
    int usesGl = 0;
    if (visual && glXGetConfig(display, visual, GLX_USE_GL, &usesGl) == 0 && usesGl) return visual;
    if (visual) XFree(visual);
    return nullptr;
}

// The events of the window that matter here: its end, its size, and whether it is mapped.
void HandleEvent(const XEvent& event, GlxScene& scene, bool& mapped) {
    if (event.xany.window != hostWindow) return;
    switch (event.type) {
        case DestroyNotify:
            windowGone = true;
            break;
        case ConfigureNotify:
            scene.Resize(event.xconfigure.width, event.xconfigure.height);
            break;
        case UnmapNotify:
            mapped = false;
            break;
        case MapNotify:
            mapped = true;
            break;
    }
}

// Paced like the renderer's own window; while the window is unmapped (a settings dialog that
// hides its preview) nothing is drawn and the loop sleeps until an event comes.
void RunFrames(Display* display, GlxScene& scene, bool mapped) {
    X11FramePacing pacing(display, hostWindow);
    for (;;) {
        while (XPending(display) || !mapped) {
            XEvent event;
            XNextEvent(display, &event);
            HandleEvent(event, scene, mapped);
            if (windowGone || otherXError) return;
        }
        scene.Present();
        pacing.AfterSwap();
        if (windowGone || otherXError) return;
    }
}

int DrawUntilStopped(Display* display, const NativeOptions& options, const ImageReader& read) {
    hostWindow = options.hostWindow ? options.hostWindow : DefaultRootWindow(display);
    // Events first, then the state they change, so that no change falls between the two.
    XSelectInput(display, hostWindow, StructureNotifyMask);
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, hostWindow, &attributes)) {
        std::fprintf(stderr, "morvantis: there is no window 0x%lx on this display\n", hostWindow);
        return 1;
    }
    if (attributes.c_class == InputOnly) {
        std::fprintf(stderr, "morvantis: window 0x%lx is an input-only window: nothing can be drawn in it\n",
                     hostWindow);
        return 1;
    }
    XVisualInfo* visual = GlVisualOf(display, attributes);
    if (!visual) {
        std::fprintf(stderr, "morvantis: window 0x%lx has visual 0x%lx, which OpenGL cannot draw with\n", hostWindow,
                     XVisualIDFromVisual(attributes.visual));
        return 1;
    }
    GlxScene scene(display, hostWindow);
    const bool current = scene.MakeCurrent(visual);
    XFree(visual);
    if (!current || !scene.Start(options, read, attributes.width, attributes.height)) return 1;
    RunFrames(display, scene, attributes.map_state != IsUnmapped);
    return otherXError ? 1 : 0;
}

}  // namespace

int RunInHostWindow(const NativeOptions& options, const ImageReader& read) {
    Display* display = OpenDisplayOrSay();
    if (!display) return 1;
    XSetErrorHandler(NoteXError);
    const int result = OffersGlxOrSay(display) ? DrawUntilStopped(display, options, read) : 1;
    XCloseDisplay(display);
    return result;
}

}  // namespace morvantis
