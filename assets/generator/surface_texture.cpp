// The surface texture: the region around the largest miniature copy of the set on the
// negative real axis, z^2 + c, coloured in bands of saturated hues that cycle through the
// spectrum. The surfaces are drawn with additive blending, so the picture is bright; the
// interior is a dark indigo that adds almost nothing.
#include <cmath>

#include "assets/generator/picture_math.h"
#include "assets/generator/pictures.h"

namespace morvantis::assets {
namespace {

constexpr std::int32_t kSize = 128;
constexpr int kSubsamples = 4;  // per axis: 16 samples a pixel smooth the fine filaments
constexpr double kCentreRe = -1.7549;
constexpr double kCentreIm = 0.0;
constexpr double kSpan = 0.05;  // width and height of the view in the complex plane
constexpr int kMaxIterations = 400;
constexpr double kEscapeRadiusSquared = 65536.0;  // a large radius keeps the smooth count smooth
constexpr double kHuesPerSqrtIteration = 0.5;
constexpr Colour kInterior = {0.06, 0.02, 0.14};

// Iterations until escape with the fractional part that makes bands continuous, or a negative
// value for a point that has not escaped.
double SmoothEscapeCount(double c_re, double c_im) {
    double z_re = 0.0, z_im = 0.0;
    for (int n = 0; n < kMaxIterations; ++n) {
        const double next_re = z_re * z_re - z_im * z_im + c_re;
        z_im = 2.0 * z_re * z_im + c_im;
        z_re = next_re;
        const double r2 = z_re * z_re + z_im * z_im;
        if (r2 > kEscapeRadiusSquared) {
            const double count = n + 1 - Log2(0.5 * Log2(r2));  // log2 |z| = log2(|z|^2) / 2
            return count > 0.0 ? count : 0.0;
        }
    }
    return -1.0;
}

Colour BandColour(double escape_count) {
    if (escape_count < 0.0) return kInterior;
    // The square root keeps bands near the set from narrowing into noise.
    const double hue = kHuesPerSqrtIteration * std::sqrt(escape_count);
    Colour c = Hue(hue);
    // Each sixth of the hue circle starts bright and dims a little: visible steps between bands.
    const double level = 1.0 - 0.35 * Fraction(hue * 6.0);
    c.r *= level;
    c.g *= level;
    c.b *= level;
    return c;
}

}  // namespace

RgbImage MakeSurfaceTexture() {
    RgbImage image = BlankImage(kSize, kSize);
    const double step = kSpan / kSize;
    for (std::int32_t y = 0; y < kSize; ++y) {
        for (std::int32_t x = 0; x < kSize; ++x) {
            Colour sum;
            for (int sy = 0; sy < kSubsamples; ++sy) {
                for (int sx = 0; sx < kSubsamples; ++sx) {
                    const double u = x + (sx + 0.5) / kSubsamples;
                    const double v = y + (sy + 0.5) / kSubsamples;
                    const double c_re = kCentreRe + (u - kSize / 2) * step;
                    const double c_im = kCentreIm - (v - kSize / 2) * step;  // imaginary axis up
                    const Colour c = BandColour(SmoothEscapeCount(c_re, c_im));
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                }
            }
            constexpr double kWeight = 1.0 / (kSubsamples * kSubsamples);
            PutPixel(image, x, y, {sum.r * kWeight, sum.g * kWeight, sum.b * kWeight});
        }
    }
    return image;
}

}  // namespace morvantis::assets
