#include "renderer/animation/surface_motion.h"

#include <array>
#include <cmath>

namespace morvantis {
namespace {

constexpr int kDiagonals = 2 * kGridSize - 1;  // d = row + column runs from 0 to 126

// The motion depends on a vertex only through its row or its diagonal, so each frame needs
// at most a few hundred sines and cosines instead of two or three per vertex.
struct WaveTables {
    std::array<double, kDiagonals> cosSpinDiagonal;
    std::array<double, kDiagonals> sinSpinDiagonal;
    std::array<double, kDiagonals> sinTiltDiagonal;
    std::array<double, kGridSize> cosSpinRow;
};

double Radians(int steps, float angle) {
    return (static_cast<double>(steps) + static_cast<double>(angle)) * kDegreesToRadians;
}

void FillTables(WaveTables& t, int motionMode, const AnimationAngles& a) {
    for (int d = 0; d < kDiagonals; ++d) {
        if (motionMode != 12) t.cosSpinDiagonal[d] = std::cos(Radians(d, a.spinAngle));
        if (motionMode != 11) t.sinSpinDiagonal[d] = std::sin(Radians(d, a.spinAngle));
        if (motionMode == 12) t.sinTiltDiagonal[d] = std::sin(Radians(d, a.tiltAngle));
    }
    if (motionMode == 11)
        for (int r = 0; r < kGridSize; ++r) t.cosSpinRow[r] = std::cos(Radians(r, a.spinAngle));
}

float Offset(float base, double amount) { return static_cast<float>(static_cast<double>(base) + amount); }

void Displace(const Grid& current, Grid& animated, int motionMode, const AnimationAngles& angles) {
    WaveTables t;
    FillTables(t, motionMode, angles);
    const double bob = 2.0 * std::cos(static_cast<double>(angles.orbitAngle) * kDegreesToRadians);
    for (int r = 0; r < kGridSize; ++r) {
        for (int c = 0; c < kGridSize; ++c) {
            const GridVertex& s = At(current, r, c);
            GridVertex& a = At(animated, r, c);
            const int d = r + c;
            if (motionMode == 10) {
                a.x = Offset(s.x, 2.0 * t.cosSpinDiagonal[d]);
                a.y = Offset(s.y, bob);
                a.z = Offset(s.z, 2.0 * t.sinSpinDiagonal[d]);
            } else if (motionMode == 11) {
                a.x = Offset(s.x, 2.0 * t.cosSpinDiagonal[d]);
                a.y = Offset(s.y, 0.25 * t.cosSpinRow[r]);
                a.z = s.z;
            } else {
                a.x = s.x;
                a.y = Offset(s.y, 0.25 * t.sinTiltDiagonal[d]);
                a.z = Offset(s.z, 2.0 * t.sinSpinDiagonal[d]);
            }
        }
    }
}

// Shade is the height normalised to 0..1; a flat surface (no range) is shaded 0, not 0/0.
void Shade(Grid& animated) {
    float lo = 1000.0f, hi = -1000.0f;
    for (const GridVertex& v : animated) {
        if (v.y > hi) hi = v.y;
        if (v.y < lo) lo = v.y;
    }
    const float range = hi - lo;
    for (GridVertex& v : animated) v.shade = range > 0.0f ? (v.y - lo) / range : 0.0f;
}

}  // namespace

void AnimateSurface(const Grid& current, Grid& animated, int motionMode, const AnimationAngles& angles) {
    Displace(current, animated, motionMode, angles);
    Shade(animated);
}

}  // namespace morvantis
