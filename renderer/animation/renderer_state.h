// Everything the renderer animates, and the order in which one frame advances it.
#pragma once

#include "renderer/animation/height_field.h"
#include "renderer/animation/scene_state.h"

namespace morvantis {

struct RendererState {
    HeightField field;
    Grid animatedGrid{};
    SceneState scene;
};

// What one frame draws, fixed before the frame's animation steps are applied to the state.
struct FramePlan {
    Eye eye;
    bool fogChanged;
    float fogStart, fogEnd;
    float spinAngle, tiltAngle;
    std::array<Sphere, kSphereCount> spheres;  // where each sphere is drawn (before its bounce)
};

// Start values of every animated quantity, and the whole first grid.
void ResetRenderer(RendererState& state);

// The steps before and during the drawing: camera, angles, fog, bounces.
FramePlan BeginFrame(RendererState& state);

// The steps after the drawing: the surface motion, then half a height-field pass.
void EndFrame(RendererState& state);

// A whole frame without drawing anything.
void AdvanceFrame(RendererState& state);

}  // namespace morvantis
