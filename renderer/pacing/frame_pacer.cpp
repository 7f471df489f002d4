#include "renderer/pacing/frame_pacer.h"

#include <algorithm>

namespace morvantis {
namespace {

// No frame is due more than one tick after the last swap; a longer wait means the clock moved.
constexpr Nanoseconds kLongestTick = kSecond / kFramesPerSecond + 1;

// A frame this close before its tick counts as late: under vsync a display a hair faster than
// 60 Hz is followed instead of being held back into dropped frames. That allows at most 60.6
// frames a second.
constexpr Nanoseconds kLateMargin = kSecond / kFramesPerSecond / 100;

}  // namespace

// Unknown rates (0 or 1 Hz) round to 0 and so give 1 as well.
int SwapIntervalFor(int refreshHz) { return std::max(1, (refreshHz + kFramesPerSecond / 2) / kFramesPerSecond); }

bool FramePacer::WaitForFrameTime() {
    const Nanoseconds now = clock_.Now();
    const Nanoseconds due = TickTime(tick_);
    if (!started_ || now >= due) return true;
    return clock_.WaitUntil(std::min(due, now + kLongestTick));
}

Nanoseconds FramePacer::FrameShown() {
    const Nanoseconds now = clock_.Now();
    if (!started_)
        Restart(now, 0);  // nothing measured yet: the next frame at once
    else if (now < TickTime(tick_))
        Restart(now, 1);  // the clock went back or stood still: one tick from now, no burst
    else if (now >= TickTime(tick_ + 1) - kLateMargin)
        Restart(now, 0);  // a whole tick or more: the next frame at once, the schedule from now
    else
        ++tick_;
    return now;
}

// Exact ticks of 1/60 s from the start of the schedule, so that rounding never drifts.
Nanoseconds FramePacer::TickTime(std::int64_t tick) const {
    return origin_ + tick / kFramesPerSecond * kSecond + tick % kFramesPerSecond * kSecond / kFramesPerSecond;
}

void FramePacer::Restart(Nanoseconds now, std::int64_t tick) {
    started_ = true;
    origin_ = now;
    tick_ = tick;
}

}  // namespace morvantis
