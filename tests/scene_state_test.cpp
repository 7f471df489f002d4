#include "renderer/animation/renderer_state.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace morvantis {
namespace {

TEST(Bounce, FollowsGravityAndLosesATenthOfItsSpeedOnTheGround) {
    SceneState scene;
    ResetScene(scene);
    Sphere s = scene.spheres[0];
    BounceSphere(s);
    EXPECT_FLOAT_EQ(s.height, 1.0f);
    EXPECT_FLOAT_EQ(s.velocity, -0.01f);
    for (int frame = 2; frame <= 14; ++frame) BounceSphere(s);
    EXPECT_FLOAT_EQ(s.height, 0.0900001f);
    BounceSphere(s);  // frame 15 goes below the ground and turns round at once
    EXPECT_FLOAT_EQ(s.velocity, 0.13636364f);
    EXPECT_FLOAT_EQ(s.height, 0.08636375f);
    // The bounce neither dies out into the ground nor gains height without end.
    for (int frame = 16; frame < 20000; ++frame) {
        BounceSphere(s);
        ASSERT_GT(s.height, -0.01f) << "frame " << frame;
        ASSERT_LT(s.height, 2.1f) << "frame " << frame;
    }
}

TEST(Angles, WrapToZeroOnReaching360) {
    AnimationAngles a;
    for (int frame = 1; frame <= 359; ++frame) StepAngles(a);
    EXPECT_EQ(a.spinAngle, 359.0f);
    StepAngles(a);
    EXPECT_EQ(a.spinAngle, 0.0f);
    EXPECT_EQ(a.tiltAngle, 0.0f);
    for (int frame = 361; frame <= 900; ++frame) StepAngles(a);
    EXPECT_NEAR(a.orbitAngle, 359.9968f, 1e-3);
    StepAngles(a);  // frame 901
    EXPECT_EQ(a.orbitAngle, 0.0f);
}

TEST(Fog, FadesInOverTheFirst534FramesThenStops) {
    SceneState scene;
    ResetScene(scene);
    int frames = 0;
    while (StepFog(scene)) ++frames;
    EXPECT_EQ(frames, 534);
    EXPECT_FLOAT_EQ(scene.fogStart, 160.20087f);
    EXPECT_FLOAT_EQ(scene.fogEnd, 240.20163f);
}

TEST(Frame, TheFirstFrameLooksFromTheStartAndDrawsSpheresBeforeTheirBounce) {
    auto state = std::make_unique<RendererState>();
    ResetRenderer(*state);
    const FramePlan first = BeginFrame(*state);
    EXPECT_EQ(std::make_tuple(first.eye.x, first.eye.y, first.eye.z), std::make_tuple(90.0f, 70.0f, 0.0f));
    // A quarter of the way round, cos(90 * 0.01745) is not quite 0.
    EXPECT_NEAR(CameraFor(90.0f).x, 0.026670, 1e-6);
    EXPECT_NEAR(CameraFor(90.0f).z, 89.999996, 1e-5);
    EXPECT_FLOAT_EQ(state->scene.angles.orbitAngle, 0.4f);
    EXPECT_TRUE(first.fogChanged);
    EXPECT_FLOAT_EQ(first.fogStart, 0.3f);
    EXPECT_FLOAT_EQ(first.fogEnd, 80.3f);
    EXPECT_EQ(first.spinAngle, 1.0f);
    const Sphere& third = first.spheres[2];
    EXPECT_EQ(std::make_tuple(third.x, third.z, third.height), std::make_tuple(-32.0f, 36.0f, 1.0f));
    EXPECT_FLOAT_EQ(state->scene.spheres[2].velocity, -0.01f);
    // Before the first surface motion the drawn surface is all at the origin, shade 0.
    for (const GridVertex& v : state->animatedGrid) {
        EXPECT_EQ(v.y, 0.0f);
        EXPECT_EQ(v.shade, 0.0f);
    }
    EndFrame(*state);
    EXPECT_GT(At(state->animatedGrid, 40, 32).shade, 0.99f);
}

}  // namespace
}  // namespace morvantis
