// The frame clock of the Windows renderer: the performance counter, and a waitable timer that
// also wakes for window messages, so that Escape and WM_CLOSE are seen within one frame.
#pragma once

#include "renderer/pacing/frame_pacer.h"

namespace morvantis {

class Win32FrameClock : public FrameClock {
public:
    Win32FrameClock();
    ~Win32FrameClock() override;
    Win32FrameClock(const Win32FrameClock&) = delete;
    Win32FrameClock& operator=(const Win32FrameClock&) = delete;

    Nanoseconds Now() override;
    // False when a window message arrived first.
    bool WaitUntil(Nanoseconds deadline) override;

private:
    void* timer_ = nullptr;  // a waitable timer's handle; null if none could be made
    bool raisedTimerResolution_ = false;
    long long countsPerSecond_ = 1;
};

}  // namespace morvantis
