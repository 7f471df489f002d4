#include "renderer/native/offscreen_context.h"

#include "renderer/gl/headers.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <cstring>

// Through EGL rather than a library of its own, so that the program's GL calls all go through the
// system's GL dispatch: whichever driver makes the window's context also draws into it.
namespace morvantis {
namespace {

// No display server needed: Mesa's surfaceless platform where it exists, else the default.
EGLDisplay OpenDisplay() {
    const char* clientExtensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    if (clientExtensions && std::strstr(clientExtensions, "EGL_MESA_platform_surfaceless"))
        if (auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
                eglGetProcAddress("eglGetPlatformDisplayEXT")))
            return getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    return eglGetDisplay(EGL_DEFAULT_DISPLAY);
}

}  // namespace

struct OffscreenContext::Impl {
    EGLDisplay display = EGL_NO_DISPLAY;
    EGLSurface surface = EGL_NO_SURFACE;
    EGLContext context = EGL_NO_CONTEXT;

    bool Open(int width, int height) {
        display = OpenDisplay();
        if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) return false;
        const EGLint attributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                     EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8, EGL_DEPTH_SIZE, 16,
                                     EGL_NONE};
        EGLConfig config = nullptr;
        EGLint found = 0;
        if (!eglChooseConfig(display, attributes, &config, 1, &found) || found < 1) return false;
        const EGLint size[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
        surface = eglCreatePbufferSurface(display, config, size);
        if (surface == EGL_NO_SURFACE || !eglBindAPI(EGL_OPENGL_API)) return false;
        context = eglCreateContext(display, config, EGL_NO_CONTEXT, nullptr);
        return context != EGL_NO_CONTEXT && eglMakeCurrent(display, surface, surface, context);
    }

    ~Impl() {
        if (display == EGL_NO_DISPLAY) return;
        eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        if (context != EGL_NO_CONTEXT) eglDestroyContext(display, context);
        if (surface != EGL_NO_SURFACE) eglDestroySurface(display, surface);
        // Not eglTerminate: it unloads the driver, whose allocations the leak checker then cannot name.
        eglReleaseThread();
    }
};

OffscreenContext::OffscreenContext(int width, int height)
    : impl_(std::make_unique<Impl>()), width_(width), height_(height) {
    ok_ = width > 0 && height > 0 && impl_->Open(width, height);
}

OffscreenContext::~OffscreenContext() = default;

std::vector<std::uint8_t> OffscreenContext::ReadRgbTopDown() const {
    const std::size_t rowBytes = static_cast<std::size_t>(width_) * 3;
    std::vector<std::uint8_t> bottomUp(rowBytes * height_);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width_, height_, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    std::vector<std::uint8_t> rgb(bottomUp.size());
    for (int y = 0; y < height_; ++y)
        std::memcpy(rgb.data() + y * rowBytes, bottomUp.data() + (height_ - 1 - y) * rowBytes, rowBytes);
    return rgb;
}

}  // namespace morvantis
