// The per-frame animation written the straightforward way: one kernel call and two or three
// sines and cosines per vertex, in the plain loop order. The optimised core must match it bit
// for bit and beat it on speed.
#pragma once

#include "renderer/animation/height_field.h"
#include "renderer/animation/surface_motion.h"

namespace morvantis::reference {

void AnimateSurface(const Grid& current, Grid& animated, int motionMode, const AnimationAngles& angles);
void FillNextColumns(HeightField& field);

}  // namespace morvantis::reference
