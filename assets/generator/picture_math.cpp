#include "assets/generator/picture_math.h"

#include <cmath>
#include <cstddef>

namespace morvantis::assets {

RgbImage BlankImage(std::int32_t width, std::int32_t height) {
    RgbImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3, 0);
    return image;
}

void PutPixel(RgbImage& image, std::int32_t x, std::int32_t y_from_top, Colour colour) {
    const std::size_t row = static_cast<std::size_t>(image.height - 1 - y_from_top);
    const std::size_t at = (row * static_cast<std::size_t>(image.width) + static_cast<std::size_t>(x)) * 3;
    image.pixels[at + 0] = ToByte(colour.r);
    image.pixels[at + 1] = ToByte(colour.g);
    image.pixels[at + 2] = ToByte(colour.b);
}

std::uint8_t ToByte(double value) {
    if (!(value > 0.0)) return 0;  // also NaN
    if (value >= 1.0) return 255;
    return static_cast<std::uint8_t>(value * 255.0 + 0.5);
}

double Log2(double x) {
    int exponent = 0;
    double m = std::frexp(x, &exponent);  // x = m * 2^exponent, m in [0.5, 1)
    if (m < 0.70710678118654752) {        // bring m into [sqrt(1/2), sqrt(2))
        m *= 2.0;
        exponent -= 1;
    }
    // ln m = 2 atanh(s) = 2 (s + s^3/3 + s^5/5 + ...), s = (m - 1) / (m + 1), |s| < 0.172
    const double s = (m - 1.0) / (m + 1.0);
    const double s2 = s * s;
    double term = s;
    double sum = 0.0;
    for (int k = 1; k <= 23; k += 2) {
        sum += term / k;
        term *= s2;
    }
    const double kLn2 = 0.69314718055994531;
    return exponent + 2.0 * sum / kLn2;
}

double Fraction(double x) {
    const double f = x - std::floor(x);
    return f < 1.0 ? f : 0.0;  // x just below an integer can round up to 1
}

Colour Hue(double hue) {
    const double h = Fraction(hue) * 6.0;
    const int sector = h < 6.0 ? static_cast<int>(h) : 5;
    const double up = h - sector;
    const double down = 1.0 - up;
    switch (sector) {
        case 0: return {1.0, up, 0.0};
        case 1: return {down, 1.0, 0.0};
        case 2: return {0.0, 1.0, up};
        case 3: return {0.0, down, 1.0};
        case 4: return {up, 0.0, 1.0};
        default: return {1.0, 0.0, down};
    }
}

std::uint64_t SplitMix64::Next() {
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double SplitMix64::NextUnit() {
    return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
}

}  // namespace morvantis::assets
