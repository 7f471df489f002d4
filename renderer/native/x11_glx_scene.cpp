#include "renderer/native/x11_glx_scene.h"

#include "renderer/gl/scene.h"
#include "renderer/native/shell.h"

#include <chrono>
#include <cstdio>

namespace morvantis {
namespace {

// The renderer's whole state, fixed-size and allocated once: one scene per process.
Scene scene;

double SteadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

Display* OpenDisplayOrSay() {
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        std::fprintf(stderr, "morvantis: cannot open the X display \"%s\" (--snapshot FILE renders without one)\n",
                     XDisplayName(nullptr));
    return display;
}

bool OffersGlxOrSay(Display* display) {
    int errorBase = 0, eventBase = 0;
    if (glXQueryExtension(display, &errorBase, &eventBase)) return true;
    std::fprintf(stderr, "morvantis: the X display \"%s\" offers no OpenGL (it has no GLX extension)\n",
                 DisplayString(display));
    return false;
}

bool GlxScene::MakeCurrent(XVisualInfo* visual) {
    int doubleBuffered = 0;
    glXGetConfig(display_, visual, GLX_DOUBLEBUFFER, &doubleBuffered);
    doubleBuffered_ = doubleBuffered != 0;
    context_ = glXCreateContext(display_, visual, nullptr, True);
    if (context_ && glXMakeCurrent(display_, window_, context_)) return true;
    std::fprintf(stderr, "morvantis: no OpenGL context for window 0x%lx\n", window_);
    return false;
}

bool GlxScene::Start(const NativeOptions& options, const ImageReader& read, int width, int height) {
    Resize(width, height);
    if (!SetupScene(scene, read, TexturePathsIn(options.textureDir))) {
        std::fprintf(stderr, "morvantis: no texture could be read from %s\n", options.textureDir.c_str());
        return false;
    }
    ResetRenderer(scene.state);
    if (options.showFps && !overlay_.Open(display_))
        std::fprintf(stderr, "morvantis: no X font for the frames-per-second line\n");
    showFps_ = options.showFps;
    return true;
}

void GlxScene::Resize(int width, int height) {
    width_ = width;
    height_ = height;
    SetProjection(width, height);
}

void GlxScene::Present() {
    DrawFrame(scene);
    if (showFps_) {
        fps_.FrameShown(SteadySeconds());
        overlay_.Draw(fps_.Text(), width_, height_);
    }
    if (doubleBuffered_)
        glXSwapBuffers(display_, window_);
    else
        glFinish();
}

GlxScene::~GlxScene() {
    ReleaseScene(scene);
    overlay_.Close(display_);
    if (context_) {
        glXMakeCurrent(display_, None, nullptr);
        glXDestroyContext(display_, context_);
    }
}

}  // namespace morvantis
