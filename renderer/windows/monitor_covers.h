// Where the Windows renderer puts its black covers: over whatever the monitors show beside the
// scene's window, so that nothing the user left open stays in view on a second monitor.
#pragma once

#include <vector>

namespace morvantis {

// A rectangle of the virtual desktop, as Windows gives it: right and bottom lie just outside.
struct DeskRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool Empty() const { return right <= left || bottom <= top; }
};

// The parts of each monitor that the scene does not cover: a whole monitor beside the primary,
// nothing of the primary the scene fills, and around the scene only what a monitor overlapping
// it (or showing a copy of it) shows beyond. Empty monitors are left out.
std::vector<DeskRect> CoverRects(const std::vector<DeskRect>& monitors, const DeskRect& scene);

}  // namespace morvantis
