#include "renderer/native/x11_frame_pacing.h"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <cstring>

namespace morvantis {
namespace {

// The refresh rate in whole hertz of the mode that shows the primary output (else the first
// lit CRTC), or 0 where XRandR does not answer.
int CurrentRefreshRate(Display* display, Window window) {
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase) || !XRRQueryVersion(display, &major, &minor) ||
        major * 100 + minor < 103)
        return 0;
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, window);
    if (!resources) return 0;
    RRCrtc crtc = 0;
    if (const RROutput primary = XRRGetOutputPrimary(display, window))
        if (XRROutputInfo* output = XRRGetOutputInfo(display, resources, primary)) {
            crtc = output->crtc;
            XRRFreeOutputInfo(output);
        }
    RRMode mode = 0;
    for (int i = 0; i < resources->ncrtc && !mode; ++i) {
        if (crtc && resources->crtcs[i] != crtc) continue;
        if (XRRCrtcInfo* info = XRRGetCrtcInfo(display, resources, resources->crtcs[i])) {
            mode = info->mode;
            XRRFreeCrtcInfo(info);
        }
    }
    int rate = 0;
    for (int i = 0; i < resources->nmode; ++i) {
        const XRRModeInfo& info = resources->modes[i];
        const double dots = static_cast<double>(info.hTotal) * info.vTotal;
        if (info.id == mode && dots > 0) rate = static_cast<int>(info.dotClock / dots + 0.5);
    }
    XRRFreeScreenResources(resources);
    return rate;
}

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
    RequestSwapInterval(display, window, SwapIntervalFor(CurrentRefreshRate(display, window)));
}

void X11FramePacing::AfterSwap() {
    log_.FrameShown(pacer_.FrameShown());
    pacer_.WaitForFrameTime();  // the POSIX clock wakes for nothing else
}

}  // namespace morvantis
