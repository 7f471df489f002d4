#include "renderer/windows/monitor_covers.h"

#include <gtest/gtest.h>

#include <vector>

namespace morvantis {
namespace {

using Rects = std::vector<DeskRect>;
const DeskRect kScene{0, 0, 1024, 768};

TEST(MonitorCovers, EachMonitorBesideThePrimaryIsCoveredWholeAndOneMonitorGetsNone) {
    EXPECT_EQ(CoverRects({kScene}, kScene), Rects{});
    EXPECT_EQ(CoverRects({}, kScene), Rects{});
    // the switched primary, a monitor that moved to its right edge, one to its left, one below
    const DeskRect right{1024, 0, 1824, 600}, left{-1280, -100, 0, 924}, below{0, 768, 800, 1368};
    EXPECT_EQ(CoverRects({kScene, right}, kScene), Rects{right});
    EXPECT_EQ(CoverRects({left, kScene, below, right}, kScene), (Rects{left, below, right}));
    EXPECT_EQ((CoverRects(Rects{kScene, {1824, 0, 1824, 600}, {0, 900, 800, 900}}, kScene)), Rects{})
        << "monitors without pixels";
}

TEST(MonitorCovers, AroundTheSceneOnlyWhatItDoesNotShowIsCovered) {
    EXPECT_EQ(CoverRects({kScene, kScene}, kScene), Rects{}) << "a monitor showing a copy of the primary";
    // a primary left larger than the scene: below it, then to its right
    EXPECT_EQ((CoverRects(Rects{{0, 0, 1280, 1024}}, kScene)), (Rects{{0, 768, 1280, 1024}, {1024, 0, 1280, 768}}));
    EXPECT_EQ((CoverRects(Rects{{512, 0, 1536, 768}}, kScene)), (Rects{{1024, 0, 1536, 768}})) << "overlapping";
    EXPECT_EQ((CoverRects(Rects{{-10, -20, 1034, 788}}, kScene)),
              (Rects{{-10, -20, 1034, 0}, {-10, 768, 1034, 788}, {-10, 0, 0, 768}, {1024, 0, 1034, 768}}))
        << "all around";
    EXPECT_EQ((CoverRects(Rects{{100, 100, 200, 200}}, kScene)), Rects{}) << "inside the scene";
}

}  // namespace
}  // namespace morvantis
