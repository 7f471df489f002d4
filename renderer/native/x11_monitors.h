// The primary monitor of an X screen, asked of XRandR.
#pragma once

#include "renderer/native/monitor_layout.h"

#include <optional>

struct _XDisplay;

namespace morvantis {

struct PrimaryMonitor {
    ScreenArea area;      // in screen coordinates
    int refreshRate = 0;  // of its mode, in whole hertz; 0 when the mode gives none
};

// The monitor PrimaryCrtc chooses on the screen of `window`; nothing where XRandR (1.3 or
// later) does not answer or no CRTC is lit.
std::optional<PrimaryMonitor> QueryPrimaryMonitor(_XDisplay* display, unsigned long window);

}  // namespace morvantis
