#include "renderer/pacing/posix_frame_clock.h"

#include <time.h>

#include <cerrno>

namespace morvantis {

Nanoseconds PosixFrameClock::Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<Nanoseconds>(now.tv_sec) * kSecond + now.tv_nsec;
}

bool PosixFrameClock::WaitUntil(Nanoseconds deadline) {
    timespec until{};
    until.tv_sec = static_cast<time_t>(deadline / kSecond);
    until.tv_nsec = static_cast<long>(deadline % kSecond);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
    return true;
}

}  // namespace morvantis
