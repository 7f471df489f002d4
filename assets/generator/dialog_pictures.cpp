// The settings dialog's pictures: the brushed-metal panel texture, the two selection marks,
// the dialog's icon and the link cursor.
//
// Only +, -, *, / and sqrt on doubles: the files come out the same on every machine.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "assets/generator/icon_files.h"
#include "assets/generator/picture_math.h"
#include "assets/generator/pictures.h"

namespace morvantis::assets {
namespace {

Colour Grey(double level) { return {level, level, level}; }

Colour Rgb255(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

// Noise along one row: random values at every `spacing` pixels, joined by straight lines.
std::vector<double> RowNoise(SplitMix64& random, int width, int spacing) {
    std::vector<double> knots(static_cast<std::size_t>(width / spacing + 2));
    for (double& k : knots) k = random.NextUnit() - 0.5;
    std::vector<double> row(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        const int i = x / spacing;
        const double t = static_cast<double>(x % spacing) / spacing;
        row[static_cast<std::size_t>(x)] = knots[static_cast<std::size_t>(i)] * (1.0 - t) +
                                           knots[static_cast<std::size_t>(i + 1)] * t;
    }
    return row;
}

// A 12 x 12 mark: a dark outline around a white box; `filled` puts a blue square inside.
RgbImage Mark(bool filled) {
    constexpr int kSize = 12;
    RgbImage image = BlankImage(kSize, kSize);
    const Colour outline = Rgb255(0x5A, 0x5E, 0x70);
    const Colour shadow = Rgb255(0xC8, 0xCA, 0xD4);
    const Colour white = Grey(1.0);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            Colour c = white;
            if (x == 0 || y == 0 || x == kSize - 1 || y == kSize - 1) {
                c = outline;
            } else if (filled && x >= 2 && y >= 2 && x <= kSize - 3 && y <= kSize - 3) {
                // Blue, lighter at the top, with a bright first row.
                const double t = (y - 2) / 7.0;
                c = y == 2 ? Rgb255(0x8C, 0xB4, 0xFF)
                           : Colour{(0x46 + (0x14 - 0x46) * t) / 255.0, (0x78 + (0x32 - 0x78) * t) / 255.0,
                                    (0xF0 + (0xA8 - 0xF0) * t) / 255.0};
            } else if (!filled && (x == 1 || y == 1)) {
                c = shadow;  // the box looks sunk into the panel
            }
            PutPixel(image, x, y, c);
        }
    }
    return image;
}

// Escape iterations of z^2 + c, at most `limit`.
int Escape(double cr, double ci, int limit) {
    double zr = 0.0, zi = 0.0;
    for (int n = 0; n < limit; ++n) {
        const double zr2 = zr * zr, zi2 = zi * zi;
        if (zr2 + zi2 > 4.0) return n;
        zi = 2.0 * zr * zi + ci;
        zr = zr2 - zi2 + cr;
    }
    return limit;
}

}  // namespace

RgbImage MakeDialogPanelTexture() {
    constexpr int kWidth = 556, kHeight = 20;
    RgbImage image = BlankImage(kWidth, kHeight);
    SplitMix64 random(0x6D6574616C);
    for (int y = 0; y < kHeight; ++y) {
        // Every row is one brush stroke: its own brightness, long and short streaks, grain.
        const double stroke = (random.NextUnit() - 0.5) * 0.035;
        const std::vector<double> wide = RowNoise(random, kWidth, 61);
        const std::vector<double> narrow = RowNoise(random, kWidth, 9);
        for (int x = 0; x < kWidth; ++x) {
            const std::size_t i = static_cast<std::size_t>(x);
            const double grain = (random.NextUnit() - 0.5) * 0.02;
            const double level = 0.855 + stroke + 0.05 * wide[i] + 0.03 * narrow[i] + grain;
            PutPixel(image, x, y, {level, level, level + 0.012});
        }
    }
    return image;
}

RgbImage MakeMarkEmpty() { return Mark(false); }

RgbImage MakeMarkSelected() { return Mark(true); }

MaskedPicture DialogIconPicture() {
    constexpr int kSize = 32;
    constexpr double kCentre = 16.0, kRadius = 15.0;
    constexpr int kLimit = 40;
    // Light from the upper left, in front.
    const double lx = -0.45, ly = -0.55, lz = 0.70;
    const double ll = std::sqrt(lx * lx + ly * ly + lz * lz);
    MaskedPicture icon{BlankImage(kSize, kSize), std::vector<bool>(kSize * kSize, true)};
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double nx = (x + 0.5 - kCentre) / kRadius, ny = (y + 0.5 - kCentre) / kRadius;
            const double d2 = nx * nx + ny * ny;
            if (d2 >= 1.0) continue;
            icon.transparent[static_cast<std::size_t>(y * kSize + x)] = false;
            const double nz = std::sqrt(1.0 - d2);
            // The fractal seen through the sphere: the view bulges towards the middle.
            const double bulge = 1.25 / (0.55 + 0.45 * nz);
            const int n = Escape(-0.62 + nx * bulge, ny * bulge, kLimit);
            Colour base = n >= kLimit ? Rgb255(0x10, 0x14, 0x3A) : Hue(0.58 + n * 0.045);
            if (n < kLimit && n < 3) base = Rgb255(0x18, 0x30, 0x80);  // far outside: deep blue
            const double diffuse = (nx * lx + ny * ly + nz * lz) / ll;
            const double light = 0.30 + 0.80 * (diffuse > 0.0 ? diffuse : 0.0);
            // Highlight: the half vector between the light and the viewer, to a high power.
            const double hx = lx / ll, hy = ly / ll, hz = lz / ll + 1.0;
            const double hl = std::sqrt(hx * hx + hy * hy + hz * hz);
            double shine = (nx * hx + ny * hy + nz * hz) / hl;
            shine = shine > 0.0 ? shine : 0.0;
            for (int i = 0; i < 5; ++i) shine *= shine;  // power 32
            PutPixel(icon.picture, x, y,
                     {base.r * light + shine, base.g * light + shine, base.b * light + shine});
        }
    }
    return icon;
}

FileBytes MakeDialogIcon() { return EncodeIcon256(DialogIconPicture()); }

const std::vector<std::string>& LinkCursorRows() {
    static const std::vector<std::string> rows = {
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
        "...........XXX..................",  // row 10: the fingertip, hot spot at column 12
        "..........XoooX.................",
        "..........XoooX.................",
        "..........XoooX.................",
        "..........XoooXXXX..............",
        "..........XoooXoooXXXX..........",
        "..........XoooXoooXoooX.........",
        "......XX..XoooXoooXoooXXX.......",
        ".....XooX.XoooXoooXoooXooX......",
        ".....XoooXXoooXoooXoooXooX......",
        ".....XooooXoooXoooXoooXooX......",
        "......XoooXoooXoooXoooXooX......",
        ".......XoooooooooooooooooX......",
        "........XooooooooooooooooX......",
        ".........XoooooooooooooooX......",
        "..........XooooooooooooooX......",
        "..........XooooooooooooooX......",
        "..........XooooooooooooooX......",
        "...........XooooooooooooX.......",
        "............XoooooooooooX.......",
        "............XoooooooooooX.......",
        ".............XXXXXXXXXXX........",
    };
    return rows;
}

FileBytes MakeLinkCursor() { return EncodeMonochromeCursor(LinkCursorRows(), 12, 10); }

}  // namespace morvantis::assets
