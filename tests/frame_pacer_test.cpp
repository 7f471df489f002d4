// The frame pacer and the frame log against a simulated clock: rates, ticks, slow frames, and
// clocks that jump back or stand still.
#include "renderer/pacing/frame_log.h"
#include "renderer/pacing/frame_pacer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace morvantis {
namespace {

constexpr Nanoseconds kMs = 1'000'000;
constexpr Nanoseconds kTick = kSecond / 60;

// Real time passes in `real`; the clock reads it shifted by `offset`, or stuck while stalled.
// A wait lasts as long as the clock's reading says, plus `lateWake`.
class FakeClock : public FrameClock {
public:
    Nanoseconds Now() override { return stalled ? stuckAt : real + offset; }
    bool WaitUntil(Nanoseconds deadline) override {
        ++waits;
        real += std::max<Nanoseconds>(0, deadline - Now()) + lateWake;
        return true;
    }
    Nanoseconds real = 0, offset = 0, lateWake = 0, stuckAt = 0;
    bool stalled = false;
    int waits = 0;
};

enum class Trouble { kNone, kSlowFrame, kClockBack, kClockStalls };

struct Case {
    const char* name;
    Nanoseconds frameCost, refresh, lateWake;  // refresh 0: swaps do not wait for the display
    Trouble trouble;
    int seconds, fewestPerSecond;
    bool onTicks, neverWaits;
};

const Case kCases[] = {
    {"60 Hz with vsync", 5 * kMs, kTick, 0, Trouble::kNone, 10, 60, false, true},
    {"no vsync, 2 ms frames", 2 * kMs, 0, 0, Trouble::kNone, 10, 59, true, false},
    {"one 40 ms frame", 2 * kMs, 0, 0, Trouble::kSlowFrame, 10, 57, false, false},
    {"an hour, every wait 0.5 ms late", 2 * kMs, 0, kMs / 2, Trouble::kNone, 3600, 59, true, false},
    {"clock jumps back an hour", 2 * kMs, 0, 0, Trouble::kClockBack, 10, 59, false, false},
    {"clock stands still for 40 frames", 2 * kMs, 0, 0, Trouble::kClockStalls, 10, 50, false, false},
};

TEST(FramePacer, HoldsSixtyFramesASecondWhateverTheDisplayOrClockDoes) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        FakeClock clock;
        clock.lateWake = c.lateWake;
        FramePacer pacer(clock);
        std::vector<Nanoseconds> starts;  // real time at which each frame began
        for (int frame = 0;; ++frame) {
            ASSERT_TRUE(pacer.WaitForFrameTime());
            if (clock.real >= c.seconds * kSecond) break;
            starts.push_back(clock.real);
            clock.real += c.trouble == Trouble::kSlowFrame && frame == 30 ? 40 * kMs : c.frameCost;
            if (c.refresh) clock.real = (clock.real + c.refresh - 1) / c.refresh * c.refresh;
            if (c.trouble == Trouble::kClockStalls && frame == 100) clock.stuckAt = clock.Now();
            clock.stalled = c.trouble == Trouble::kClockStalls && frame >= 100 && frame < 140;
            pacer.FrameShown();
            if (c.trouble == Trouble::kClockBack && frame == 100) clock.offset -= 3600 * kSecond;
        }
        std::vector<int> perSecond(c.seconds);
        for (Nanoseconds start : starts) ++perSecond[start / kSecond];
        EXPECT_GE(*std::min_element(perSecond.begin(), perSecond.end()), c.fewestPerSecond);
        EXPECT_LE(*std::max_element(perSecond.begin(), perSecond.end()), 61);
        for (std::size_t k = 0; k + 61 < starts.size(); ++k)
            ASSERT_GT(starts[k + 61] - starts[k], kSecond) << "62 frames within a second from frame " << k;
        EXPECT_TRUE(c.trouble != Trouble::kSlowFrame || starts[31] - starts[30] == 40 * kMs) << "not at once";
        EXPECT_TRUE(!c.neverWaits || clock.waits == 0) << clock.waits << " waits";
        // The schedule starts at the first swap (frame 1 begins then); later frames begin on its ticks.
        for (std::size_t k = 2; c.onTicks && k < starts.size(); ++k)
            ASSERT_EQ(starts[k] - starts[1] - c.lateWake, static_cast<Nanoseconds>(k - 1) * kSecond / 60) << k;
    }
}

TEST(FramePacer, SwapIntervalKeepsTheRefreshNearestSixty) {
    const std::map<int, int> intervals = {{-5, 1}, {0, 1},   {1, 1},   {30, 1},   {59, 1},   {60, 1},
                                          {75, 1}, {89, 1},  {90, 2},  {120, 2},  {144, 2},  {240, 4}};
    for (const auto& [refresh, interval] : intervals) EXPECT_EQ(SwapIntervalFor(refresh), interval) << refresh;
}

TEST(FrameLog, WritesEachFinishedSecondWithItsFramesAtOnce) {
    const std::string path = ::testing::TempDir() + "frame_log_test.txt";
    FrameLog log(std::fopen(path.c_str(), "w"));
    for (Nanoseconds at : {10 * kSecond, 10 * kSecond + 400 * kMs, 11 * kSecond - 1, 11 * kSecond,
                           13 * kSecond + 500 * kMs, 9 * kSecond, 14 * kSecond})
        log.FrameShown(at);
    // Read while the log is still open: the lines must be there even if the program is killed.
    // No line for the empty second 2; the frame of a clock gone back counts in second 3; second
    // 4 has not ended.
    std::ifstream written(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), "0 3\n1 1\n3 2\n");
}

}  // namespace
}  // namespace morvantis
