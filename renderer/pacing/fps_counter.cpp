#include "renderer/pacing/fps_counter.h"

#include <cstdio>

namespace morvantis {

void FpsCounter::FrameShown(double seconds) {
    if (since_ < 0.0) {
        since_ = seconds;
        return;
    }
    ++frames_;
    const double elapsed = seconds - since_;
    if (elapsed < 1.0) return;
    std::snprintf(text_, sizeof text_, "FPS: %.1f", frames_ / elapsed);
    since_ = seconds;
    frames_ = 0;
}

}  // namespace morvantis
