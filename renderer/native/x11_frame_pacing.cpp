#include "renderer/native/x11_frame_pacing.h"

#include "renderer/native/x11_monitors.h"

#include <GL/glx.h>
#include <X11/Xlib.h>

#include <cstring>

namespace morvantis {
namespace {

template <typename Function>
Function Lookup(const char* name) {
    return reinterpret_cast<Function>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

void RequestSwapInterval(Display* display, Window window, int interval) {
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    if (!extensions) return;
    auto has = [extensions](const char* name) { return std::strstr(extensions, name) != nullptr; };
    using SwapDrawable = void (*)(Display*, GLXDrawable, int);
    using SwapCurrent = int (*)(int);
    if (has("GLX_EXT_swap_control"))
        if (auto f = Lookup<SwapDrawable>("glXSwapIntervalEXT")) return f(display, window, interval);
    if (has("GLX_MESA_swap_control"))
        if (auto f = Lookup<SwapCurrent>("glXSwapIntervalMESA")) return void(f(interval));
    if (has("GLX_SGI_swap_control"))
        if (auto f = Lookup<SwapCurrent>("glXSwapIntervalSGI")) f(interval);
}

}  // namespace

X11FramePacing::X11FramePacing(_XDisplay* display, unsigned long window) {
    const std::optional<PrimaryMonitor> monitor = QueryPrimaryMonitor(display, window);
    RequestSwapInterval(display, window, SwapIntervalFor(monitor ? monitor->refreshRate : 0));
}

void X11FramePacing::AfterSwap() {
    log_.FrameShown(pacer_.FrameShown());
    pacer_.WaitForFrameTime();  // the POSIX clock wakes for nothing else
}

}  // namespace morvantis
