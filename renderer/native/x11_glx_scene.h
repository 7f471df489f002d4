// What both X11 shells share: the scene drawn with a GLX context into one window, shown with a
// buffer swap, with the frames-per-second line when it was asked for. Each shell keeps what
// differs: whose window it is and which events matter; both pace their loops with
// X11FramePacing. Included by the X11 shells only (it carries Xlib and GLX types).
#pragma once

#include "renderer/gl/textures.h"
#include "renderer/native/options.h"
#include "renderer/native/x11_fps_overlay.h"
#include "renderer/pacing/fps_counter.h"

#include <GL/glx.h>

namespace morvantis {

// The display named by DISPLAY; null, with the reason on stderr, when it cannot be opened.
Display* OpenDisplayOrSay();
// Whether the display offers OpenGL at all (the GLX extension); says so on stderr when not.
bool OffersGlxOrSay(Display* display);

// Each step says on stderr why it failed.
class GlxScene {
public:
    GlxScene(Display* display, Window window) : display_(display), window_(window) {}
    ~GlxScene();
    GlxScene(const GlxScene&) = delete;
    GlxScene& operator=(const GlxScene&) = delete;

    // A context for the window's visual, made current.
    bool MakeCurrent(XVisualInfo* visual);
    // Textures, fixed GL state, projection and the first grid; false when no texture was read
    // (a file that exists but is no picture has had the reader's message already).
    bool Start(const NativeOptions& options, const ImageReader& read, int width, int height);
    void Resize(int width, int height);
    // Draws one frame (the animation advances with it) and shows it.
    void Present();

private:
    Display* display_;
    Window window_;
    GLXContext context_ = nullptr;
    bool doubleBuffered_ = true;
    int width_ = 0, height_ = 0;
    bool showFps_ = false;
    FpsCounter fps_;
    FpsOverlay overlay_;
};

}  // namespace morvantis
