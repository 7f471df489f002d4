// Where the native program's own window shows the scene on a screen of several monitors: on
// the primary monitor only, the rest of the window staying black, as the Windows renderer does.
#pragma once

#include <vector>

namespace morvantis {

// A rectangle of the X screen (or of a window, in its own coordinates).
struct ScreenArea {
    int x = 0, y = 0, width = 0, height = 0;
};

// One CRTC of XRandR: the part of the screen it shows, and its mode (0 when it is off).
struct CrtcArea {
    unsigned long id = 0;
    ScreenArea area;
    unsigned long mode = 0;
};

// The CRTC showing the primary monitor: the primary output's when that one is lit, else the
// first lit CRTC; null when none is lit. primaryOutputCrtc is 0 without a primary output.
const CrtcArea* PrimaryCrtc(const std::vector<CrtcArea>& crtcs, unsigned long primaryOutputCrtc);

// The part of `window` (placed in screen coordinates) that shows `primary`, in the window's own
// coordinates: the whole window when the primary is unknown (null) or lies outside the window.
ScreenArea SceneAreaIn(const ScreenArea& window, const ScreenArea* primary);

}  // namespace morvantis
