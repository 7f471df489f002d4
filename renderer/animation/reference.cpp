#include "renderer/animation/reference.h"

#include <cmath>

namespace morvantis::reference {

void AnimateSurface(const Grid& current, Grid& animated, int motionMode, const AnimationAngles& angles) {
    const double k = kDegreesToRadians;
    const double spin = angles.spinAngle, orbit = angles.orbitAngle, tilt = angles.tiltAngle;
    float lo = 1000.0f, hi = -1000.0f;
    for (int c = 0; c < kGridSize; ++c) {
        for (int r = 0; r < kGridSize; ++r) {
            const GridVertex& s = At(current, r, c);
            GridVertex& a = At(animated, r, c);
            const double d = r + c;
            if (motionMode == 10) {
                a.x = static_cast<float>(s.x + 2 * std::cos((d + spin) * k));
                a.y = static_cast<float>(s.y + 2 * std::cos(orbit * k));
                a.z = static_cast<float>(s.z + 2 * std::sin((d + spin) * k));
            } else if (motionMode == 11) {
                a.x = static_cast<float>(s.x + 2 * std::cos((d + spin) * k));
                a.y = static_cast<float>(s.y + 0.25 * std::cos((r + spin) * k));
                a.z = s.z;
            } else {
                a.x = s.x;
                a.y = static_cast<float>(s.y + 0.25 * std::sin((d + tilt) * k));
                a.z = static_cast<float>(s.z + 2 * std::sin((d + spin) * k));
            }
            if (a.y > hi) hi = a.y;
            if (a.y < lo) lo = a.y;
        }
    }
    const float range = hi - lo;
    for (int c = 0; c < kGridSize; ++c)
        for (int r = 0; r < kGridSize; ++r) {
            GridVertex& a = At(animated, r, c);
            a.shade = range > 0.0f ? (a.y - lo) / range : 0.0f;
        }
}

void FillNextColumns(HeightField& field) {
    const float stepRe = (field.viewRegion[1] - field.viewRegion[0]) * 0.015625f;
    const float stepIm = (field.viewRegion[3] - field.viewRegion[2]) * 0.015625f;
    for (int c = field.nextColumn; c < field.nextColumn + 32; ++c) {
        for (int r = 0; r < kGridSize; ++r) {
            const double re = static_cast<double>(r) * stepRe + field.viewRegion[0];
            const double im = static_cast<double>(c) * stepIm + field.viewRegion[2];
            const int n = CountEscape(re, im, field.formulaType, field.maxIterations);
            GridVertex& v = At(field.pendingGrid, r, c);
            v.x = static_cast<float>(r - 32) * 0.33333334f;
            v.y = static_cast<float>(n) / static_cast<float>(field.maxIterations);
            v.z = static_cast<float>(c - 32) * 0.33333334f;
            v.shade = 0.0f;
        }
    }
    field.nextColumn += 32;
    if (--field.framesLeft > 0) return;
    field.currentGrid = field.pendingGrid;
    field.framesLeft = 2;
    field.nextColumn = 0;
    AdvanceView(field);
}

}  // namespace morvantis::reference
