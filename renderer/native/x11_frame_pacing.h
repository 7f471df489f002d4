// Frame pacing for the GLX window shells: the swap interval for the display's refresh rate,
// then, once per frame after the swap, the frame log and the wait for the next 1/60 s tick.
#pragma once

#include "renderer/pacing/frame_log.h"
#include "renderer/pacing/frame_pacer.h"
#include "renderer/pacing/posix_frame_clock.h"

struct _XDisplay;

namespace morvantis {

class X11FramePacing {
public:
    // Needs the window's GL context current.
    X11FramePacing(_XDisplay* display, unsigned long window);
    void AfterSwap();

private:
    PosixFrameClock clock_;
    FramePacer pacer_{clock_};
    FrameLog log_ = FrameLog::FromEnvironment();
};

}  // namespace morvantis
