#include "renderer/windows/monitor_covers.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace morvantis {
namespace {

using Rects = std::vector<DeskRect>;
using Corners = std::vector<std::array<int, 4>>;  // left, top, right, bottom of each cover
const DeskRect kScene{0, 0, 1024, 768};

Corners CoversOf(const Rects& monitors) {
    Corners covers;
    for (const DeskRect& r : CoverRects(monitors, kScene)) covers.push_back({r.left, r.top, r.right, r.bottom});
    return covers;
}

TEST(MonitorCovers, EachMonitorBesideThePrimaryIsCoveredWholeAndOneMonitorGetsNone) {
    EXPECT_EQ(CoversOf({kScene}), Corners{});
    // the switched primary, a monitor that moved to its right edge, one to its left, one below
    const DeskRect right{1024, 0, 1824, 600}, left{-1280, -100, 0, 924}, below{0, 768, 800, 1368};
    EXPECT_EQ(CoversOf({kScene, right}), (Corners{{1024, 0, 1824, 600}}));
    EXPECT_EQ(CoversOf({left, kScene, below, right}),
              (Corners{{-1280, -100, 0, 924}, {0, 768, 800, 1368}, {1024, 0, 1824, 600}}));
    EXPECT_EQ(CoversOf({kScene, {1824, 0, 1824, 600}, {0, 900, 800, 900}}), Corners{}) << "monitors without pixels";
}

TEST(MonitorCovers, AroundTheSceneOnlyWhatItDoesNotShowIsCovered) {
    EXPECT_EQ(CoversOf({kScene, kScene}), Corners{}) << "a monitor showing a copy of the primary";
    // a primary left larger than the scene: below it, then to its right
    EXPECT_EQ(CoversOf({{0, 0, 1280, 1024}}), (Corners{{0, 768, 1280, 1024}, {1024, 0, 1280, 768}}));
    EXPECT_EQ(CoversOf({{512, 0, 1536, 768}}), (Corners{{1024, 0, 1536, 768}})) << "overlapping";
    EXPECT_EQ(CoversOf({{-10, -20, 1034, 788}}),
              (Corners{{-10, -20, 1034, 0}, {-10, 768, 1034, 788}, {-10, 0, 0, 768}, {1024, 0, 1034, 768}}))
        << "all around";
    EXPECT_EQ(CoversOf({{100, 100, 200, 200}}), Corners{}) << "inside the scene";
}

}  // namespace
}  // namespace morvantis
