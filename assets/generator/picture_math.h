// Small helpers shared by the picture functions.
//
// The committed files must come out bit for bit the same on every machine, so the pictures use
// only +, -, *, / and sqrt on doubles (all exactly rounded) and an own logarithm instead of the
// C library's transcendental functions, whose last bits differ between library versions.
#pragma once

#include <cstdint>

#include "renderer/image/rgb_image.h"

namespace morvantis::assets {

struct Colour {
    double r = 0.0, g = 0.0, b = 0.0;  // each in [0, 1]
};

// An image of the given size, all black.
RgbImage BlankImage(std::int32_t width, std::int32_t height);

// Stores `colour` at column x of row y counted from the top of the picture (RgbImage keeps
// the bottom row first).
void PutPixel(RgbImage& image, std::int32_t x, std::int32_t y_from_top, Colour colour);

// 0..1 to 0..255, clamped, rounded to nearest.
std::uint8_t ToByte(double value);

// Base-2 logarithm of x > 0, from frexp and a fixed series: the same bits everywhere.
double Log2(double x);

// Fully saturated colour of the hue circle; hue in turns (0 red, 1/3 green, 2/3 blue), any
// real number (only its fractional part counts).
Colour Hue(double hue);

// Fractional part in [0, 1).
double Fraction(double x);

// Seeded 64-bit generator (SplitMix64) for picture layouts.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next();
    // Uniform in [0, 1), 53 bits.
    double NextUnit();

private:
    std::uint64_t state_;
};

}  // namespace morvantis::assets
