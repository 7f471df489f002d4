#include "renderer/native_shell.h"
#include "renderer/scene_gl.h"
#include "renderer/x11_frame_pacing.h"

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace morvantis {
namespace {

// The renderer's whole state, fixed-size and allocated once.
Scene scene;

struct X11Window {
    Display* display = nullptr;
    Window window = 0;
    GLXContext context = nullptr;
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

bool OpenWindow(X11Window& w, int& width, int& height) {
    const int screen = DefaultScreen(w.display);
    width = DisplayWidth(w.display, screen);
    height = DisplayHeight(w.display, screen);
    int attributes[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_DEPTH_SIZE, 16, None};
    XVisualInfo* visual = glXChooseVisual(w.display, screen, attributes);
    if (!visual) return false;
    const Window root = RootWindow(w.display, screen);
    XSetWindowAttributes set{};
    set.colormap = XCreateColormap(w.display, root, visual->visual, AllocNone);
    set.event_mask = KeyPressMask | KeyReleaseMask | StructureNotifyMask | FocusChangeMask;
    set.background_pixel = 0;
    w.window = XCreateWindow(w.display, root, 0, 0, width, height, 0, visual->depth, InputOutput,
                             visual->visual, CWColormap | CWEventMask | CWBackPixel, &set);
    w.context = glXCreateContext(w.display, visual, nullptr, True);
    XFree(visual);
    if (!w.window || !w.context) return false;
    XStoreName(w.display, w.window, "Morvantis_VC");
    w.deleteWindow = XInternAtom(w.display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(w.display, w.window, &w.deleteWindow, 1);
    AskForFullScreen(w.display, w.window);
    w.blankCursor = MakeBlankCursor(w.display, w.window);
    XDefineCursor(w.display, w.window, w.blankCursor);
    XMapRaised(w.display, w.window);
    XSync(w.display, False);
    return glXMakeCurrent(w.display, w.window, w.context);
}

void CloseWindow(X11Window& w) {
    if (w.context) {
        glXMakeCurrent(w.display, None, nullptr);
        glXDestroyContext(w.display, w.context);
    }
    if (w.window) XDestroyWindow(w.display, w.window);
    if (w.blankCursor) XFreeCursor(w.display, w.blankCursor);
    XCloseDisplay(w.display);
}

// Handles one event; false when the program should end.
bool HandleEvent(X11Window& w, XEvent& event, bool& active) {
    switch (event.type) {
        case KeyPress:
            return XLookupKeysym(&event.xkey, 0) != XK_Escape;
        case ClientMessage:
            return static_cast<Atom>(event.xclient.data.l[0]) != w.deleteWindow;
        case ConfigureNotify:
            SetProjection(event.xconfigure.width, event.xconfigure.height);
            return true;
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
void RunFrames(X11Window& w) {
    X11FramePacing pacing(w.display, w.window);
    bool active = true;
    for (;;) {
        while (XPending(w.display) || !active) {
            XEvent event;
            XNextEvent(w.display, &event);
            if (!HandleEvent(w, event, active)) return;
        }
        DrawFrame(scene);
        glXSwapBuffers(w.display, w.window);
        pacing.AfterSwap();
    }
}

}  // namespace

int RunInX11Window(const NativeOptions& options, const ImageReader& read) {
    X11Window w;
    w.display = XOpenDisplay(nullptr);
    if (!w.display) return kNoDisplay;
    int width = 0, height = 0;
    bool running = OpenWindow(w, width, height);
    if (running) {
        SetProjection(width, height);
        running = SetupScene(scene, read, TexturePathsIn(options.textureDir));
    }
    if (running) {
        ResetRenderer(scene.state);
        RunFrames(w);
    }
    ReleaseScene(scene);
    CloseWindow(w);
    return 0;
}

}  // namespace morvantis
