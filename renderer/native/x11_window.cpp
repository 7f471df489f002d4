// The native renderer in a full-screen window of its own: Escape or the window manager's close
// request ends it with 0; when it cannot run at all it says why and ends with 1. The scene is drawn
// in a child window over the primary monitor; the rest of the screen stays black.
#include "renderer/native/shell.h"
#include "renderer/native/x11_frame_pacing.h"
#include "renderer/native/x11_glx_scene.h"
#include "renderer/native/x11_monitors.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstdio>

namespace morvantis {
namespace {

struct X11Window {
    Display* display = nullptr;
    Window window = 0;
    Window sceneWindow = 0;  // holds the GL drawing
    XVisualInfo* visual = nullptr;
    Atom deleteWindow = 0;
    Cursor blankCursor = 0;
};

Cursor MakeBlankCursor(Display* display, Window window) {
    const char empty[1] = {0};
    Pixmap pixmap = XCreateBitmapFromData(display, window, empty, 1, 1);
    XColor black{};
    Cursor cursor = XCreatePixmapCursor(display, pixmap, pixmap, &black, &black, 0, 0);
    XFreePixmap(display, pixmap);
    return cursor;
}

void AskForFullScreen(Display* display, Window window) {
    Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    XChangeProperty(display, window, state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&fullScreen), 1);
}

// Places the scene's window over the primary monitor's part of the window (width x height,
// wherever it lies on the screen) and gives that part's size.
ScreenArea PlaceSceneWindow(const X11Window& w, int width, int height) {
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(w.display, w.window, DefaultRootWindow(w.display), 0, 0, &x, &y, &child);
    const std::optional<PrimaryMonitor> primary = QueryPrimaryMonitor(w.display, w.window);
    const ScreenArea area = SceneAreaIn({x, y, width, height}, primary ? &primary->area : nullptr);
    XMoveResizeWindow(w.display, w.sceneWindow, area.x, area.y, area.width, area.height);
    return area;
}

// width and height: the screen's when called, the scene's on return.
bool OpenWindow(X11Window& w, int& width, int& height) {
    const int screen = DefaultScreen(w.display);
    width = DisplayWidth(w.display, screen);
    height = DisplayHeight(w.display, screen);
    int attributes[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_DEPTH_SIZE, 16, None};
    w.visual = glXChooseVisual(w.display, screen, attributes);
    if (!w.visual) {
        std::fprintf(stderr, "morvantis: the X display offers no double-buffered OpenGL visual with a depth buffer\n");
        return false;
    }
    const Window root = RootWindow(w.display, screen);
    XSetWindowAttributes set{};
    set.colormap = XCreateColormap(w.display, root, w.visual->visual, AllocNone);
    set.event_mask = KeyPressMask | KeyReleaseMask | StructureNotifyMask | FocusChangeMask;
    set.background_pixel = 0;
    w.window = XCreateWindow(w.display, root, 0, 0, width, height, 0, w.visual->depth, InputOutput,
                             w.visual->visual, CWColormap | CWEventMask | CWBackPixel, &set);
    if (!w.window) return false;
    w.sceneWindow = XCreateWindow(w.display, w.window, 0, 0, width, height, 0, w.visual->depth, InputOutput,
                                  w.visual->visual, CWColormap | CWBackPixel, &set);
    if (!w.sceneWindow) return false;
    const ScreenArea area = PlaceSceneWindow(w, width, height);
    width = area.width;
    height = area.height;
    XMapWindow(w.display, w.sceneWindow);
    XStoreName(w.display, w.window, "Morvantis_VC");
    w.deleteWindow = XInternAtom(w.display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(w.display, w.window, &w.deleteWindow, 1);
    AskForFullScreen(w.display, w.window);
    w.blankCursor = MakeBlankCursor(w.display, w.window);
    XDefineCursor(w.display, w.window, w.blankCursor);
    XMapRaised(w.display, w.window);
    XSync(w.display, False);
    return true;
}

void CloseWindow(X11Window& w) {
    if (w.visual) XFree(w.visual);
    if (w.window) XDestroyWindow(w.display, w.window);
    if (w.blankCursor) XFreeCursor(w.display, w.blankCursor);
}

// Handles one event; false when the program should end.
bool HandleEvent(X11Window& w, GlxScene& scene, XEvent& event, bool& active) {
    switch (event.type) {
        case KeyPress:
            return XLookupKeysym(&event.xkey, 0) != XK_Escape;
        case ClientMessage:
            return static_cast<Atom>(event.xclient.data.l[0]) != w.deleteWindow;
        case ConfigureNotify: {
            const ScreenArea area = PlaceSceneWindow(w, event.xconfigure.width, event.xconfigure.height);
            scene.Resize(area.width, area.height);
            return true;
        }
        case UnmapNotify:
            active = false;
            return true;
        case MapNotify:
            active = true;
            XSetInputFocus(w.display, w.window, RevertToParent, CurrentTime);
            return true;
        default:
            return true;
    }
}

// One frame per 1/60 s tick at most; while the window is unmapped (iconified) nothing is drawn
// and the loop sleeps until an event comes.
void RunFrames(X11Window& w, GlxScene& scene) {
    X11FramePacing pacing(w.display, w.sceneWindow);
    bool active = true;
    for (;;) {
        while (XPending(w.display) || !active) {
            XEvent event;
            XNextEvent(w.display, &event);
            if (!HandleEvent(w, scene, event, active)) return;
        }
        scene.Present();
        pacing.AfterSwap();
    }
}

}  // namespace

int RunInX11Window(const NativeOptions& options, const ImageReader& read) {
    X11Window w;
    w.display = OpenDisplayOrSay();
    if (!w.display) return 1;
    int width = 0, height = 0;
    bool started = false;
    if (OffersGlxOrSay(w.display) && OpenWindow(w, width, height)) {
        GlxScene scene(w.display, w.sceneWindow);
        started = scene.MakeCurrent(w.visual) && scene.Start(options, read, width, height);
        if (started) RunFrames(w, scene);
    }
    CloseWindow(w);
    XCloseDisplay(w.display);
    return started ? 0 : 1;
}

}  // namespace morvantis
