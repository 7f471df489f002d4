#include "renderer/animation/scene_state.h"

#include <cmath>

namespace morvantis {
namespace {

// Float plus a double constant is formed in double precision and stored as float.
float Add(float value, double step) { return static_cast<float>(static_cast<double>(value) + step); }

float StepAngle(float angle, double step) {
    const float next = Add(angle, step);
    return next >= 360.0f ? 0.0f : next;
}

}  // namespace

void ResetScene(SceneState& scene) {
    scene.angles = AnimationAngles{};
    scene.fogStart = 0.0f;
    scene.fogEnd = 80.0f;
    scene.spheres = {{{32.0f, 1.0f, -36.0f, 0.0f},
                      {32.0f, 1.0f, 36.0f, 0.0f},
                      {-32.0f, 1.0f, 36.0f, 0.0f},
                      {-32.0f, 1.0f, -36.0f, 0.0f}}};
}

Eye CameraFor(float orbitAngle) {
    const double theta = static_cast<double>(orbitAngle) * kDegreesToRadians;
    return {static_cast<float>(90.0 * std::cos(theta)), 70.0f, static_cast<float>(90.0 * std::sin(theta))};
}

void StepAngles(AnimationAngles& angles) {
    angles.spinAngle = StepAngle(angles.spinAngle, 1.0);
    angles.orbitAngle = StepAngle(angles.orbitAngle, 0.4);
    angles.tiltAngle = StepAngle(angles.tiltAngle, 1.0);
}

bool StepFog(SceneState& scene) {
    if (scene.fogStart >= kFogRampLimit) return false;
    scene.fogStart = Add(scene.fogStart, 0.3);
    scene.fogEnd = Add(scene.fogEnd, 0.3);
    return true;
}

void BounceSphere(Sphere& sphere) {
    sphere.height += sphere.velocity;
    sphere.velocity = Add(sphere.velocity, -0.01);
    if (sphere.height < 0.0f) {
        // Reversed and divided by 1.1, and applied at once.
        sphere.velocity = static_cast<float>(static_cast<double>(sphere.velocity) * -0.9090909090909091);
        sphere.height += sphere.velocity;
    }
}

}  // namespace morvantis
