#include "renderer/windows/monitor_covers.h"

#include <algorithm>

namespace morvantis {
namespace {

// Up to four bands of `monitor` around `scene`: above, below, then left and right of it.
void AddPartsOutside(const DeskRect& monitor, const DeskRect& scene, std::vector<DeskRect>& parts) {
    const DeskRect overlap{std::max(monitor.left, scene.left), std::max(monitor.top, scene.top),
                           std::min(monitor.right, scene.right), std::min(monitor.bottom, scene.bottom)};
    if (overlap.Empty()) {
        parts.push_back(monitor);
        return;
    }
    const DeskRect bands[] = {{monitor.left, monitor.top, monitor.right, overlap.top},
                              {monitor.left, overlap.bottom, monitor.right, monitor.bottom},
                              {monitor.left, overlap.top, overlap.left, overlap.bottom},
                              {overlap.right, overlap.top, monitor.right, overlap.bottom}};
    for (const DeskRect& band : bands)
        if (!band.Empty()) parts.push_back(band);
}

}  // namespace

std::vector<DeskRect> CoverRects(const std::vector<DeskRect>& monitors, const DeskRect& scene) {
    std::vector<DeskRect> covers;
    for (const DeskRect& monitor : monitors)
        if (!monitor.Empty()) AddPartsOutside(monitor, scene, covers);
    return covers;
}

}  // namespace morvantis
