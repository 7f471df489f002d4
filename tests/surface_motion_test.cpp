#include "renderer/animation/surface_motion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace morvantis {
namespace {

struct Grids {
    Grid current{};
    Grid animated{};
};

std::unique_ptr<Grids> FieldGrids() {
    auto grids = std::make_unique<Grids>();
    auto field = std::make_unique<HeightField>();
    ResetHeightField(*field);
    grids->current = field->currentGrid;
    return grids;
}

TEST(SurfaceMotion, ModeTenLiftsEveryVertexAlikeSoShadesFollowTheHeights) {
    auto g = FieldGrids();
    AnimateSurface(g->current, g->animated, 10, AnimationAngles{0.0f, 0.0f, 0.0f});
    // All heights rise by 2 * cos(0) = 2: the lowest vertex (escape at step 1) gets shade 0.
    const GridVertex& corner = At(g->animated, 0, 0);
    EXPECT_FLOAT_EQ(corner.y, 2.0078125f);
    EXPECT_EQ(corner.shade, 0.0f);
    EXPECT_EQ(At(g->animated, 40, 32).shade, 1.0f);
    for (int r = 0; r < kGridSize; ++r)
        for (int c = 0; c < kGridSize; ++c) {
            const float lo = 1.0f / 128, hi = 1.0f;
            EXPECT_NEAR(At(g->animated, r, c).shade, (At(g->current, r, c).y - lo) / (hi - lo), 1e-6);
        }
}

TEST(SurfaceMotion, TheDegreeConstantIsNotQuitePiOver180) {
    auto g = FieldGrids();
    // Vertex (0, 0) with spinAngle 90: d + spin = 90 degrees, cos(90 * 0.01745) = 0.000296.
    AnimateSurface(g->current, g->animated, 10, AnimationAngles{90.0f, 0.0f, 0.0f});
    EXPECT_NEAR(At(g->animated, 0, 0).x - At(g->current, 0, 0).x, 0.000593, 2e-6);
    // Mode 12 with spinAngle 360: sin(360 * 0.01745) = -0.001185 moves z slightly.
    AnimateSurface(g->current, g->animated, 12, AnimationAngles{360.0f, 0.0f, 0.0f});
    EXPECT_NEAR(At(g->animated, 0, 0).z - At(g->current, 0, 0).z, 2 * -0.001185, 2e-6);
}

TEST(SurfaceMotion, ModesElevenAndTwelveKeepOneAxis) {
    auto g = FieldGrids();
    AnimateSurface(g->current, g->animated, 11, AnimationAngles{30.0f, 0.0f, 50.0f});
    for (int i = 0; i < kGridVertices; ++i) EXPECT_EQ(g->animated[i].z, g->current[i].z);
    // The ripple runs along the rows: height offset 0.25 cos((r + spin) k).
    EXPECT_NEAR(At(g->animated, 3, 7).y - At(g->current, 3, 7).y, 0.25 * std::cos(33 * 0.01745), 1e-6);
    AnimateSurface(g->current, g->animated, 12, AnimationAngles{30.0f, 0.0f, 50.0f});
    for (int i = 0; i < kGridVertices; ++i) EXPECT_EQ(g->animated[i].x, g->current[i].x);
    EXPECT_NEAR(At(g->animated, 3, 7).y - At(g->current, 3, 7).y, 0.25 * std::sin(60 * 0.01745), 1e-6);
}

TEST(SurfaceMotion, AFlatSurfaceIsShadedZeroNotNaN) {
    auto g = std::make_unique<Grids>();  // all heights 0: no range
    AnimateSurface(g->current, g->animated, 10, AnimationAngles{});
    for (const GridVertex& v : g->animated) EXPECT_EQ(v.shade, 0.0f);
    AnimateSurface(g->current, g->animated, 12, AnimationAngles{0.0f, 0.0f, 0.0f});
    for (const GridVertex& v : g->animated) EXPECT_FALSE(std::isnan(v.shade));
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
