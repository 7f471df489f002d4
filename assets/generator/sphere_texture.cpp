// The sphere texture: grey glowing borders between irregular cells (a Voronoi diagram of one
// jittered point per grid square), dark inside the cells. The grid repeats every 256 pixels in
// both directions, so the picture tiles seamlessly where it meets itself around a sphere.
#include <cmath>
#include <cstddef>
#include <vector>

#include "assets/generator/picture_math.h"
#include "assets/generator/pictures.h"

namespace morvantis::assets {
namespace {

constexpr std::int32_t kSize = 256;
constexpr int kSubsamples = 4;  // per axis
constexpr int kCells = 7;       // grid squares per side of the picture
constexpr double kCellSize = static_cast<double>(kSize) / kCells;
constexpr double kJitterMin = 0.05;  // where in its square a point may lie, in square widths
constexpr double kJitterRange = 0.9;
constexpr std::uint64_t kLayoutSeed = 0x4D6F7276616E7469ull;
// Brightness = sum of two bell shapes a / (1 + (d / w)^2) of the distance d to the border:
// a narrow bright line and a wide soft glow.
constexpr double kLineWidth = 1.4, kLineLevel = 0.6;
constexpr double kGlowWidth = 9.0, kGlowLevel = 0.45;

struct Point {
    double x, y;
};

class CellLayout {
public:
    CellLayout() : jitter_(static_cast<std::size_t>(kCells * kCells)) {
        SplitMix64 rng(kLayoutSeed);
        for (Point& p : jitter_) {
            p.x = kJitterMin + kJitterRange * rng.NextUnit();
            p.y = kJitterMin + kJitterRange * rng.NextUnit();
        }
    }

    // The point of grid square (gx, gy), any integers: squares outside the picture repeat it.
    Point Site(int gx, int gy) const {
        const int wx = ((gx % kCells) + kCells) % kCells;
        const int wy = ((gy % kCells) + kCells) % kCells;
        const Point& j = jitter_[static_cast<std::size_t>(wy * kCells + wx)];
        return {(gx + j.x) * kCellSize, (gy + j.y) * kCellSize};
    }

    // Distance from p to the nearest border of the cell that contains it.
    double DistanceToBorder(Point p) const {
        // With one point per square, the nearest point and every neighbour whose border can be
        // the nearest lie within two squares.
        constexpr int kReach = 2;
        constexpr int kCount = (2 * kReach + 1) * (2 * kReach + 1);
        Point sites[kCount];
        const int cx = static_cast<int>(std::floor(p.x / kCellSize));
        const int cy = static_cast<int>(std::floor(p.y / kCellSize));
        int count = 0;
        for (int dy = -kReach; dy <= kReach; ++dy) {
            for (int dx = -kReach; dx <= kReach; ++dx) sites[count++] = Site(cx + dx, cy + dy);
        }
        int nearest = 0;
        double nearest_d2 = 0.0;
        for (int i = 0; i < kCount; ++i) {
            const double dx = sites[i].x - p.x, dy = sites[i].y - p.y;
            const double d2 = dx * dx + dy * dy;
            if (i == 0 || d2 < nearest_d2) {
                nearest = i;
                nearest_d2 = d2;
            }
        }
        // The border with site i is the perpendicular bisector of nearest and i.
        const Point own = sites[nearest];
        double border = 0.0;
        bool first = true;
        for (int i = 0; i < kCount; ++i) {
            if (i == nearest) continue;
            const double ex = sites[i].x - own.x, ey = sites[i].y - own.y;
            const double mx = 0.5 * (sites[i].x + own.x), my = 0.5 * (sites[i].y + own.y);
            const double d = ((mx - p.x) * ex + (my - p.y) * ey) / std::sqrt(ex * ex + ey * ey);
            if (first || d < border) {
                border = d;
                first = false;
            }
        }
        return border;
    }

private:
    std::vector<Point> jitter_;  // per grid square, in square widths
};

double Brightness(double distance) {
    const double line = distance / kLineWidth;
    const double glow = distance / kGlowWidth;
    return kLineLevel / (1.0 + line * line) + kGlowLevel / (1.0 + glow * glow);
}

}  // namespace

RgbImage MakeSphereTexture() {
    const CellLayout layout;
    RgbImage image = BlankImage(kSize, kSize);
    for (std::int32_t y = 0; y < kSize; ++y) {
        for (std::int32_t x = 0; x < kSize; ++x) {
            double sum = 0.0;
            for (int sy = 0; sy < kSubsamples; ++sy) {
                for (int sx = 0; sx < kSubsamples; ++sx) {
                    const Point p = {x + (sx + 0.5) / kSubsamples, y + (sy + 0.5) / kSubsamples};
                    sum += Brightness(layout.DistanceToBorder(p));
                }
            }
            const double level = sum / (kSubsamples * kSubsamples);
            PutPixel(image, x, y, {level, level, level});
        }
    }
    return image;
}

}  // namespace morvantis::assets
