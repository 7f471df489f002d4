#include "renderer/animation/renderer_state.h"

namespace morvantis {

void ResetRenderer(RendererState& state) {
    ResetScene(state.scene);
    ResetHeightField(state.field);
}

FramePlan BeginFrame(RendererState& state) {
    SceneState& scene = state.scene;
    FramePlan plan;
    plan.eye = CameraFor(scene.angles.orbitAngle);
    StepAngles(scene.angles);
    plan.fogChanged = StepFog(scene);
    plan.fogStart = scene.fogStart;
    plan.fogEnd = scene.fogEnd;
    plan.spinAngle = scene.angles.spinAngle;
    plan.tiltAngle = scene.angles.tiltAngle;
    plan.spheres = scene.spheres;
    for (Sphere& sphere : scene.spheres) BounceSphere(sphere);
    return plan;
}

void EndFrame(RendererState& state) {
    AnimateSurface(state.field.currentGrid, state.animatedGrid, state.field.motionMode, state.scene.angles);
    FillNextColumns(state.field);
}

void AdvanceFrame(RendererState& state) {
    BeginFrame(state);
    EndFrame(state);
}

}  // namespace morvantis
