// Holds the renderer's loop to at most 60 frames a second. The animation moves a fixed step per
// drawn frame and was made for about 60 steps a second; vsync alone does not give that on a
// 144 Hz display, with vsync forced off, or in a virtual machine.
#pragma once

#include <cstdint>

namespace morvantis {

using Nanoseconds = std::int64_t;

constexpr Nanoseconds kSecond = 1'000'000'000;
constexpr int kFramesPerSecond = 60;

// A monotonic clock that the loop can sleep on.
class FrameClock {
public:
    virtual ~FrameClock() = default;
    virtual Nanoseconds Now() = 0;
    // Sleeps until Now() reaches `deadline`. False when it woke earlier because the program has
    // something else to do (a window message); the caller then asks again.
    virtual bool WaitUntil(Nanoseconds deadline) = 0;
};

// The swap interval that brings a display of `refreshHz` closest to 60 frames a second: one
// frame every N refreshes. A rate of 0 or 1 means the system does not know it: 1.
int SwapIntervalFor(int refreshHz);

// Times frames on an absolute 1/60 s schedule. A frame that comes sooner waits for its tick; a
// frame that took a whole tick or longer is followed at once and the schedule restarts from
// it, so a slow frame never causes a burst of quick ones to catch up.
class FramePacer {
public:
    explicit FramePacer(FrameClock& clock) : clock_(clock) {}

    // Waits until the next frame is due; false when woken for something else first.
    bool WaitForFrameTime();
    // Called right after each swap; returns the time it measured.
    Nanoseconds FrameShown();

private:
    Nanoseconds TickTime(std::int64_t tick) const;
    void Restart(Nanoseconds now, std::int64_t tick);

    FrameClock& clock_;
    bool started_ = false;
    Nanoseconds origin_ = 0;  // start of the current schedule
    std::int64_t tick_ = 0;   // the next frame is due at TickTime(tick_)
};

}  // namespace morvantis
