#include "renderer/pacing/fps_counter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvantis {
namespace {

TEST(FpsCounter, ShowsFramesPerSecondMeasuredOverAboutASecond) {
    struct Case {
        double period;  // seconds between frames
        int frames;
        std::string text;
    };
    for (const Case& c : std::vector<Case>{{1.0 / 60, 30, "FPS: --"},  // not a second yet
                                           {1.0 / 60, 62, "FPS: 60.0"},
                                           {1.0 / 60, 150, "FPS: 60.0"},  // counting starts afresh
                                           {0.4, 4, "FPS: 2.5"}}) {
        FpsCounter counter;
        for (int i = 0; i < c.frames; ++i) counter.FrameShown(100.0 + i * c.period);
        EXPECT_EQ(counter.Text(), c.text) << c.period << " s x " << c.frames;
    }
}

}  // namespace
}  // namespace morvantis
