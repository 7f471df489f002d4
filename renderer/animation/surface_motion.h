// The surface motion: each frame the finished height field is displaced by one of three
// motion modes and shaded by its normalised height.
#pragma once

#include "renderer/animation/height_field.h"

namespace morvantis {

// Degrees to radians, as the animation has always done it (not pi/180).
constexpr double kDegreesToRadians = 0.01745;

struct AnimationAngles {
    float spinAngle = 0.0f;   // +1 degree per frame
    float orbitAngle = 0.0f;  // +0.4 degree per frame
    float tiltAngle = 0.0f;   // +1 degree per frame
};

// Writes every vertex of `animated` from `current` for motion mode 10, 11 or 12.
void AnimateSurface(const Grid& current, Grid& animated, int motionMode, const AnimationAngles& angles);

}  // namespace morvantis
