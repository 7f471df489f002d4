// The scene's moving parts: the animation angles, the fog fade-in and the bouncing spheres.
#pragma once

#include "renderer/animation/surface_motion.h"

#include <array>

namespace morvantis {

constexpr int kSphereCount = 4;
constexpr float kSphereRadius = 18.0f;
constexpr float kFogRampLimit = 160.0f;

struct Sphere {
    float x;
    float height;
    float z;
    float velocity;
};

struct SceneState {
    AnimationAngles angles;
    float fogStart = 0.0f;
    float fogEnd = 80.0f;
    std::array<Sphere, kSphereCount> spheres{};
};

struct Eye {
    float x, y, z;
};

void ResetScene(SceneState& scene);

// The camera circles the vertical axis at radius 90 and height 70.
Eye CameraFor(float orbitAngle);

void StepAngles(AnimationAngles& angles);

// Moves the fog back while it is still fading in; false once the fade-in is over.
bool StepFog(SceneState& scene);

// One frame of gravity and bouncing on the ground plane.
void BounceSphere(Sphere& sphere);

}  // namespace morvantis
