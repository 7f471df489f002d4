#include "renderer/native/monitor_layout.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace morvantis {
namespace {

auto Tied(const ScreenArea& a) { return std::make_tuple(a.x, a.y, a.width, a.height); }

TEST(MonitorLayout, ThePrimaryIsThePrimaryOutputsLitCrtcElseTheFirstLitOne) {
    const std::vector<CrtcArea> crtcs = {
        {61, {0, 0, 0, 0}, 0}, {62, {0, 0, 1280, 1024}, 7}, {63, {1280, 0, 800, 600}, 9}, {64, {0, 0, 0, 0}, 0}};
    EXPECT_EQ(PrimaryCrtc(crtcs, 63), &crtcs[2]);
    EXPECT_EQ(PrimaryCrtc(crtcs, 0), &crtcs[1]) << "no primary output";
    EXPECT_EQ(PrimaryCrtc(crtcs, 64), &crtcs[1]) << "the primary output's CRTC is off";
    EXPECT_EQ(PrimaryCrtc(crtcs, 99), &crtcs[1]) << "a CRTC not listed";
    EXPECT_EQ(PrimaryCrtc({crtcs[0], crtcs[3]}, 61), nullptr) << "none lit";
}

TEST(MonitorLayout, TheSceneFillsThePartOfTheWindowOverThePrimary) {
    const ScreenArea screen{0, 0, 2080, 1024}, left{0, 0, 1280, 1024}, right{1280, 0, 800, 600};
    EXPECT_EQ(Tied(SceneAreaIn(screen, &left)), std::make_tuple(0, 0, 1280, 1024));
    EXPECT_EQ(Tied(SceneAreaIn(screen, &right)), std::make_tuple(1280, 0, 800, 600));
    EXPECT_EQ(Tied(SceneAreaIn(screen, nullptr)), std::make_tuple(0, 0, 2080, 1024)) << "no monitors known";
    // a window manager made the window fill one monitor only
    EXPECT_EQ(Tied(SceneAreaIn(right, &right)), std::make_tuple(0, 0, 800, 600));
    EXPECT_EQ(Tied(SceneAreaIn(left, &right)), std::make_tuple(0, 0, 1280, 1024)) << "the primary is elsewhere";
    EXPECT_EQ(Tied(SceneAreaIn({0, 1024, 800, 600}, &left)), std::make_tuple(0, 0, 800, 600)) << "below it";
    EXPECT_EQ(Tied(SceneAreaIn({100, 50, 1280, 1024}, &left)), std::make_tuple(0, 0, 1180, 974)) << "cut";
    EXPECT_EQ(Tied(SceneAreaIn({-100, -50, 300, 200}, &left)), std::make_tuple(100, 50, 200, 150)) << "cut";
}

}  // namespace
}  // namespace morvantis
