// Measures the frame pacer on this platform's real clock, with frames of a chosen cost and no
// drawing: frames in each second, and CPU-seconds per second in all against those spent in the
// frames themselves (the rest is the pacing's own cost: waiting must not burn CPU). The
// renderer's software-rendered frames on a small machine cost more than 1/60 s, so they cannot
// show the hold at 60 frames a second; these can.
//
//   pacer_clock [SECONDS [FRAME_MS]]    (default 10 s of 2 ms frames)
#include "renderer/pacing/frame_pacer.h"

#ifdef _WIN32
#include <windows.h>

#include "renderer/pacing/win32_frame_clock.h"
using PlatformClock = morvantis::Win32FrameClock;
#else
#include <time.h>

#include "renderer/pacing/posix_frame_clock.h"
using PlatformClock = morvantis::PosixFrameClock;
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using morvantis::kSecond;
using morvantis::Nanoseconds;

Nanoseconds ProcessCpuTime() {
#ifdef _WIN32
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto value = [](FILETIME t) { return (Nanoseconds(t.dwHighDateTime) << 32 | t.dwLowDateTime) * 100; };
    return value(kernel) + value(user);
#else
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return Nanoseconds(t.tv_sec) * kSecond + t.tv_nsec;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const Nanoseconds frameCost = (argc > 2 ? std::atof(argv[2]) : 2.0) * 1e6;
    PlatformClock clock;
    morvantis::FramePacer pacer(clock);
    std::vector<int> framesIn(seconds, 0);
    const Nanoseconds start = clock.Now(), cpuStart = ProcessCpuTime();
    Nanoseconds inFrames = 0;
    for (;;) {
        while (!pacer.WaitForFrameTime()) {
        }
        const Nanoseconds frameStart = clock.Now(), frameCpu = ProcessCpuTime();
        while (clock.Now() - frameStart < frameCost) {
        }
        inFrames += ProcessCpuTime() - frameCpu;
        const Nanoseconds shown = pacer.FrameShown();
        const Nanoseconds second = (shown - start) / kSecond;
        if (second >= seconds) break;
        ++framesIn[second];
    }
    const double cpu = double(ProcessCpuTime() - cpuStart) / kSecond / seconds;
    const double cost = double(inFrames) / kSecond / seconds;
    const auto [fewest, most] = std::minmax_element(framesIn.begin(), framesIn.end());
    int total = 0;
    for (int n : framesIn) total += n;
    std::printf("%d s of %.1f ms frames: %.2f frames/s, %d to %d in a second; "
                "CPU %.3f s/s, of which %.3f s/s in the frames\n",
                seconds, frameCost / 1e6, double(total) / seconds, *fewest, *most, cpu, cost);
    return 0;
}
