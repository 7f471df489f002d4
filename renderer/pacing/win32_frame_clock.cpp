#include "renderer/pacing/win32_frame_clock.h"

#include <windows.h>
#include <mmsystem.h>

namespace morvantis {
namespace {

// Windows 10 1803 and later; older systems refuse the flag.
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
constexpr DWORD CREATE_WAITABLE_TIMER_HIGH_RESOLUTION = 0x00000002;
#endif

// True when the wait ended on time, false when a message is waiting.
bool WaitForTimerOrMessage(HANDLE timer, DWORD milliseconds) {
    const DWORD woke = MsgWaitForMultipleObjectsEx(timer ? 1 : 0, timer ? &timer : nullptr, milliseconds,
                                                   QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    return woke != (timer ? WAIT_OBJECT_0 + 1 : WAIT_OBJECT_0);
}

}  // namespace

Win32FrameClock::Win32FrameClock() {
    LARGE_INTEGER frequency{};
    if (QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0) countsPerSecond_ = frequency.QuadPart;
    timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    if (!timer_) {
        // The ordinary timer follows the system's timer resolution, 15.6 ms unless raised.
        timer_ = CreateWaitableTimerW(nullptr, FALSE, nullptr);
        raisedTimerResolution_ = timeBeginPeriod(1) == TIMERR_NOERROR;
    }
}

Win32FrameClock::~Win32FrameClock() {
    if (timer_) CloseHandle(timer_);
    if (raisedTimerResolution_) timeEndPeriod(1);
}

Nanoseconds Win32FrameClock::Now() {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    const long long counts = counter.QuadPart;
    return counts / countsPerSecond_ * kSecond + counts % countsPerSecond_ * kSecond / countsPerSecond_;
}

bool Win32FrameClock::WaitUntil(Nanoseconds deadline) {
    const Nanoseconds left = deadline - Now();
    if (left <= 0) return true;
    LARGE_INTEGER due{};
    due.QuadPart = -((left + 99) / 100);  // relative, in units of 100 ns
    if (timer_ && SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE))
        return WaitForTimerOrMessage(timer_, INFINITE);
    return WaitForTimerOrMessage(nullptr, static_cast<DWORD>((left + 999'999) / 1'000'000));
}

}  // namespace morvantis
