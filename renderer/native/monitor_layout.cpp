#include "renderer/native/monitor_layout.h"

#include <algorithm>

namespace morvantis {

const CrtcArea* PrimaryCrtc(const std::vector<CrtcArea>& crtcs, unsigned long primaryOutputCrtc) {
    const CrtcArea* firstLit = nullptr;
    for (const CrtcArea& crtc : crtcs) {
        if (crtc.mode == 0) continue;
        if (crtc.id == primaryOutputCrtc) return &crtc;  // CRTC ids are never 0
        if (!firstLit) firstLit = &crtc;
    }
    return firstLit;
}

ScreenArea SceneAreaIn(const ScreenArea& window, const ScreenArea* primary) {
    const ScreenArea whole{0, 0, window.width, window.height};
    if (!primary) return whole;
    const int left = std::max(window.x, primary->x), top = std::max(window.y, primary->y);
    const int right = std::min(window.x + window.width, primary->x + primary->width);
    const int bottom = std::min(window.y + window.height, primary->y + primary->height);
    if (right <= left || bottom <= top) return whole;
    return {left - window.x, top - window.y, right - left, bottom - top};
}

}  // namespace morvantis
