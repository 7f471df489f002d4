// Shading where the animation's own cycle never goes: a flat surface, and a range that only the
// undrawn last row sets. The motion of every mode and the shading of the cycle's surfaces are
// compared frame by frame with the straightforward version (animation_equivalence_test.cpp).
#include "renderer/animation/surface_motion.h"

#include <gtest/gtest.h>

#include <memory>

namespace morvantis {
namespace {

struct Grids {
    Grid current{};
    Grid animated{};
};

TEST(SurfaceMotion, AFlatSurfaceIsShadedZeroNotNaN) {
    auto g = std::make_unique<Grids>();  // all heights 0: no range
    AnimateSurface(g->current, g->animated, 10, AnimationAngles{});
    for (const GridVertex& v : g->animated) EXPECT_EQ(v.shade, 0.0f);
}

TEST(SurfaceMotion, TheUndrawnLastRowStillCountsForTheRange) {
    auto g = std::make_unique<Grids>();
    At(g->current, 63, 5).y = 1.0f;  // the only high vertex sits in row 63
    AnimateSurface(g->current, g->animated, 10, AnimationAngles{});
    EXPECT_EQ(At(g->animated, 63, 5).shade, 1.0f);
    EXPECT_EQ(At(g->animated, 10, 5).shade, 0.0f);
}

}  // namespace
}  // namespace morvantis
