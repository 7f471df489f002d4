#include "renderer/native/x11_monitors.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace morvantis {
namespace {

bool HasRandr13(Display* display) {
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    return XRRQueryExtension(display, &eventBase, &errorBase) && XRRQueryVersion(display, &major, &minor) &&
           major * 100 + minor >= 103;
}

std::vector<CrtcArea> Crtcs(Display* display, XRRScreenResources* resources) {
    std::vector<CrtcArea> crtcs;
    for (int i = 0; i < resources->ncrtc; ++i) {
        if (XRRCrtcInfo* info = XRRGetCrtcInfo(display, resources, resources->crtcs[i])) {
            crtcs.push_back({resources->crtcs[i],
                             {info->x, info->y, static_cast<int>(info->width), static_cast<int>(info->height)},
                             info->mode});
            XRRFreeCrtcInfo(info);
        }
    }
    return crtcs;
}

RRCrtc PrimaryOutputCrtc(Display* display, Window window, XRRScreenResources* resources) {
    RRCrtc crtc = 0;
    if (const RROutput primary = XRRGetOutputPrimary(display, window))
        if (XRROutputInfo* output = XRRGetOutputInfo(display, resources, primary)) {
            crtc = output->crtc;
            XRRFreeOutputInfo(output);
        }
    return crtc;
}

int RefreshRateOf(const XRRScreenResources* resources, RRMode mode) {
    for (int i = 0; i < resources->nmode; ++i) {
        const XRRModeInfo& info = resources->modes[i];
        const double dots = static_cast<double>(info.hTotal) * info.vTotal;
        if (info.id == mode && dots > 0) return static_cast<int>(info.dotClock / dots + 0.5);
    }
    return 0;
}

}  // namespace

std::optional<PrimaryMonitor> QueryPrimaryMonitor(Display* display, unsigned long window) {
    if (!HasRandr13(display)) return std::nullopt;
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, window);
    if (!resources) return std::nullopt;
    const std::vector<CrtcArea> crtcs = Crtcs(display, resources);
    std::optional<PrimaryMonitor> monitor;
    if (const CrtcArea* primary = PrimaryCrtc(crtcs, PrimaryOutputCrtc(display, window, resources)))
        monitor = PrimaryMonitor{primary->area, RefreshRateOf(resources, primary->mode)};
    XRRFreeScreenResources(resources);
    return monitor;
}

}  // namespace morvantis
