// The frame clock of the Linux shells: CLOCK_MONOTONIC, slept on with absolute deadlines so that
// late wake-ups never add up.
#pragma once

#include "renderer/pacing/frame_pacer.h"

namespace morvantis {

class PosixFrameClock : public FrameClock {
public:
    Nanoseconds Now() override;
    bool WaitUntil(Nanoseconds deadline) override;  // always true: nothing else wakes it
};

}  // namespace morvantis
