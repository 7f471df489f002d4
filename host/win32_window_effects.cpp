#include "host/window_effects.h"

#include <windows.h>

namespace morvantis::host {

std::int16_t ZoomPointX = 0;
std::int16_t ZoomPointY = 0;

namespace {

RECT ZoomPoint() { return RECT{ZoomPointX, ZoomPointY, ZoomPointX, ZoomPointY}; }

}  // namespace

void ZoomOpen(HWND window) {
    const RECT from = ZoomPoint();
    RECT to{};
    GetWindowRect(window, &to);
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

void ZoomClose(HWND window) {
    RECT from{};
    GetWindowRect(window, &from);
    const RECT to = ZoomPoint();
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

}  // namespace morvantis::host
