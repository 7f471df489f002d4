// The gradient button's six state pictures, 64 x 25 each. The button draws only their frame,
// the four outer rings of pixels: ring 0 the outer edge, ring 1 the dark blue border (one ring
// further in when pressed), rings 2 and 3 the glow inside it. Each side's rings have their own
// colours; the side rings of the left and right edges run as vertical gradients. The four 4 x 4
// corner blocks round the border off: every corner pixel is a blend of two of its corner's
// colours (the surrounding face colour, the outer rings, the border, the inner rings) by a
// fixed recipe, and the top-left corner of the normal picture is the reference the recipe was
// fitted to, reproduced exactly. The inside, never drawn by the button, shows a face gradient
// so that the files look like buttons.
//
// Integer arithmetic only: the files come out the same on every machine.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "assets/generator/pictures.h"

namespace morvantis::assets {
namespace {

constexpr std::int32_t kWidth = 64;
constexpr std::int32_t kHeight = 25;
constexpr int kRings = 4;
constexpr int kFirstSideRow = 4;   // side rings run over rows 4..20
constexpr int kLastSideRow = 20;
constexpr int kBandFirst = 32;     // columns of the darker (top) or lighter (bottom) outer band
constexpr int kBandLast = 56;

struct Rgb {
    int r = 0, g = 0, b = 0;
};

constexpr Rgb Hex(std::uint32_t value) {
    return {static_cast<int>(value >> 16 & 0xFF), static_cast<int>(value >> 8 & 0xFF),
            static_cast<int>(value & 0xFF)};
}

constexpr Rgb kFace = Hex(0xECE9D8);     // the dialog face around the button
constexpr Rgb kBorder = Hex(0x003C74);   // the dark blue border
constexpr Rgb kLight = Hex(0xFFFFFF);    // face gradient, for the unused inside
constexpr Rgb kShade = Hex(0xC6C5D7);

// Mixes a and b, `percent` of the way towards b, rounded.
Rgb Mix(Rgb a, Rgb b, int percent) {
    const auto mix = [percent](int x, int y) { return (x * (100 - percent) + y * percent + 50) / 100; };
    return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}

Rgb Average(Rgb a, Rgb b) { return Mix(a, b, 50); }

// A ring of the top or bottom side: one colour, with its own colour in the band of columns.
struct HorizontalRing {
    Rgb colour;
    Rgb band;
};

// A ring of the left or right side: a vertical gradient from its top end to its bottom end.
struct VerticalRing {
    Rgb top;
    Rgb bottom;

    Rgb At(int row) const {
        const int k = row - kFirstSideRow, n = kLastSideRow - kFirstSideRow;
        const auto lerp = [k, n](int a, int b) { return (a * (n - k) + b * k + n / 2) / n; };
        return {lerp(top.r, bottom.r), lerp(top.g, bottom.g), lerp(top.b, bottom.b)};
    }
};

HorizontalRing Plain(std::uint32_t colour) { return {Hex(colour), Hex(colour)}; }
HorizontalRing Banded(std::uint32_t colour, std::uint32_t band) { return {Hex(colour), Hex(band)}; }
VerticalRing Even(std::uint32_t colour) { return {Hex(colour), Hex(colour)}; }
VerticalRing Ramp(std::uint32_t top, std::uint32_t bottom) { return {Hex(top), Hex(bottom)}; }

enum class CornerStyle {
    kRaised,    // border in ring 1
    kPressed,   // everything one ring further in, ring 0 plain face
    kDisabled,  // raised, in greys
};

// Rings 0..3 of each side, outermost first.
struct Frame {
    HorizontalRing top[kRings];
    HorizontalRing bottom[kRings];
    VerticalRing left[kRings];
    VerticalRing right[kRings];
    CornerStyle corners = CornerStyle::kRaised;
};

// ---------------------------------------------------------------------------------------------
// Corners

// The colours one corner blends: taken from the two sides that meet there, at their corner ends.
struct CornerColours {
    Rgb face;
    Rgb outer_h;  // outer ring of the top or bottom side
    Rgb outer_v;  // outer ring of the left or right side
    Rgb border;
    Rgb inner;    // the two inner rings of both sides, averaged
};

enum Source { kSrcFace, kSrcOuterH, kSrcOuterV, kSrcOuterBoth, kSrcBorder, kSrcInner };

struct Recipe {
    Source from;
    Source to;
    int percent;  // how far from `from` towards `to`
};

// Row by row from the outer corner, (0, 0) the picture's corner pixel; rows run away from the
// top or bottom edge, columns away from the left or right edge.
constexpr Recipe kCornerRecipe[4][4] = {
    {{kSrcFace, kSrcOuterBoth, 21}, {kSrcFace, kSrcOuterH, 75}, {kSrcOuterH, kSrcOuterV, 50},
     {kSrcOuterH, kSrcOuterH, 0}},
    {{kSrcFace, kSrcOuterV, 75}, {kSrcFace, kSrcOuterBoth, 59}, {kSrcBorder, kSrcFace, 52},
     {kSrcBorder, kSrcFace, 16}},
    {{kSrcOuterV, kSrcOuterV, 0}, {kSrcBorder, kSrcFace, 52}, {kSrcBorder, kSrcInner, 35},
     {kSrcBorder, kSrcInner, 78}},
    {{kSrcOuterV, kSrcOuterV, 0}, {kSrcBorder, kSrcFace, 16}, {kSrcBorder, kSrcInner, 78},
     {kSrcInner, kSrcInner, 0}},
};

// The top-left corner of the normal picture, row by row: the reference for every corner.
constexpr std::uint32_t kReferenceCorner[4][4] = {
    {0xE9E7D5, 0xE4DFCE, 0xE1DDCA, 0xE0DCC9},
    {0xE4DFCE, 0xE6E1D0, 0x7A95A8, 0x255783},
    {0xE2DECB, 0x7A95A8, 0x557DA2, 0xC0CFDD},
    {0xE2DECB, 0x255783, 0xBFCEDC, 0xFEFEFE},
};

// A disabled corner: the same curve in greys, its four blends ranked by how much of the border
// the reference corner's pixel holds (84 %, 66 %, 48 % and 22 %).
constexpr std::uint32_t kDisabledCorner[4][4] = {
    {0xECE9D8, 0xECE9D8, 0xECE9D8, 0xECE9D8},
    {0xECE9D8, 0xECE9D8, 0xD8D5C7, 0xC9C7BA},
    {0xECE9D8, 0xD8D5C7, 0xCBC9BC, 0xEAE9DE},
    {0xECE9D8, 0xC9C7BA, 0xEAE9DE, 0xF5F4EA},
};

Rgb Pick(const CornerColours& c, Source source) {
    switch (source) {
        case kSrcFace: return c.face;
        case kSrcOuterH: return c.outer_h;
        case kSrcOuterV: return c.outer_v;
        case kSrcOuterBoth: return Average(c.outer_h, c.outer_v);
        case kSrcBorder: return c.border;
        case kSrcInner: return c.inner;
    }
    return c.face;
}

Rgb Blend(const CornerColours& c, int row, int column) {
    const Recipe& recipe = kCornerRecipe[row][column];
    return Mix(Pick(c, recipe.from), Pick(c, recipe.to), recipe.percent);
}

int Clamp(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }

// The recipe followed by the reference corner's rounding: the reference's own colours give back
// the reference pixels exactly, any other colours give the same shape in those colours.
Rgb CornerPixel(const CornerColours& c, int row, int column) {
    static const CornerColours reference = {kFace, Hex(0xE0DCC9), Hex(0xE2DECB), kBorder,
                                            Average(Hex(0xF3F3EE), Hex(0xFDFDFC))};
    const Rgb target = Hex(kReferenceCorner[row][column]);
    const Rgb fitted = Blend(reference, row, column);
    const Rgb mine = Blend(c, row, column);
    return {Clamp(mine.r + target.r - fitted.r), Clamp(mine.g + target.g - fitted.g),
            Clamp(mine.b + target.b - fitted.b)};
}

// ---------------------------------------------------------------------------------------------
// Drawing

class Canvas {
public:
    Canvas() : pixels_(static_cast<std::size_t>(kWidth) * kHeight) {}

    void Put(int x, int y, Rgb colour) { pixels_[static_cast<std::size_t>(y) * kWidth + x] = colour; }

    // RgbImage keeps the bottom row first.
    RgbImage Image() const {
        RgbImage image;
        image.width = kWidth;
        image.height = kHeight;
        image.pixels.reserve(pixels_.size() * 3);
        for (int row = kHeight - 1; row >= 0; --row) {
            for (int x = 0; x < kWidth; ++x) {
                const Rgb& p = pixels_[static_cast<std::size_t>(row) * kWidth + x];
                image.pixels.push_back(static_cast<std::uint8_t>(p.r));
                image.pixels.push_back(static_cast<std::uint8_t>(p.g));
                image.pixels.push_back(static_cast<std::uint8_t>(p.b));
            }
        }
        return image;
    }

private:
    std::vector<Rgb> pixels_;
};

// Corner colours of one corner: `top` picks the top or bottom side, `left` the left or right.
CornerColours ColoursOf(const Frame& f, bool top, bool left, int outer_ring) {
    const HorizontalRing* h = top ? f.top : f.bottom;
    const VerticalRing* v = left ? f.left : f.right;
    const int end_row = top ? kFirstSideRow : kLastSideRow;
    const int inner_a = outer_ring + 2 < kRings ? outer_ring + 2 : kRings - 1;
    const int inner_b = kRings - 1;
    const Rgb inner_h = Average(h[inner_a].colour, h[inner_b].colour);
    const Rgb inner_v = Average(v[inner_a].At(end_row), v[inner_b].At(end_row));
    return {kFace, h[outer_ring].colour, v[outer_ring].At(end_row), h[outer_ring + 1].colour,
            Average(inner_h, inner_v)};
}

void DrawCorner(Canvas& canvas, const Frame& f, bool top, bool left) {
    const int outer_ring = f.corners == CornerStyle::kPressed ? 1 : 0;
    const CornerColours colours = ColoursOf(f, top, left, outer_ring);
    for (int row = 0; row < kRings; ++row) {
        for (int column = 0; column < kRings; ++column) {
            Rgb colour = kFace;
            if (f.corners == CornerStyle::kDisabled) {
                colour = Hex(kDisabledCorner[row][column]);
            } else if (row >= outer_ring && column >= outer_ring) {
                colour = CornerPixel(colours, row - outer_ring, column - outer_ring);
            }
            canvas.Put(left ? column : kWidth - 1 - column, top ? row : kHeight - 1 - row, colour);
        }
    }
}

RgbImage Draw(const Frame& f) {
    Canvas canvas;
    // The inside: the face gradient of a button of the picture's height.
    for (int y = 0; y < kHeight; ++y) {
        const int n = kHeight - 1;
        const auto lerp = [y, n](int a, int b) { return (a * (n - y) + b * y) / n; };
        const Rgb row_colour = {lerp(kLight.r, kShade.r), lerp(kLight.g, kShade.g), lerp(kLight.b, kShade.b)};
        for (int x = 0; x < kWidth; ++x) canvas.Put(x, y, row_colour);
    }
    for (int ring = 0; ring < kRings; ++ring) {
        for (int x = kRings; x < kWidth - kRings; ++x) {
            const bool band = x >= kBandFirst && x <= kBandLast;
            canvas.Put(x, ring, band ? f.top[ring].band : f.top[ring].colour);
            canvas.Put(x, kHeight - 1 - ring, band ? f.bottom[ring].band : f.bottom[ring].colour);
        }
        for (int y = kFirstSideRow; y <= kLastSideRow; ++y) {
            canvas.Put(ring, y, f.left[ring].At(y));
            canvas.Put(kWidth - 1 - ring, y, f.right[ring].At(y));
        }
    }
    for (const bool top : {true, false}) {
        for (const bool left : {true, false}) DrawCorner(canvas, f, top, left);
    }
    return canvas.Image();
}

// The outer ring of the raised pictures, shared by normal, hover and focus.
constexpr std::uint32_t kTopOuter = 0xE0DCC9, kTopOuterBand = 0xDCD6C2;
constexpr std::uint32_t kBottomOuter = 0xF8F7F0, kBottomOuterBand = 0xFAFAF6;
constexpr std::uint32_t kLeftOuter = 0xE2DECB, kRightOuter = 0xF0EEE0;
constexpr std::uint32_t kBlue = 0x003C74;

Frame Raised(HorizontalRing top2, HorizontalRing top3, HorizontalRing bottom2, HorizontalRing bottom3,
             VerticalRing left2, VerticalRing left3, VerticalRing right2, VerticalRing right3) {
    return {{Banded(kTopOuter, kTopOuterBand), Plain(kBlue), top2, top3},
            {Banded(kBottomOuter, kBottomOuterBand), Plain(kBlue), bottom2, bottom3},
            {Even(kLeftOuter), Even(kBlue), left2, left3},
            {Even(kRightOuter), Even(kBlue), right2, right3},
            CornerStyle::kRaised};
}

}  // namespace

RgbImage MakeButtonNormal() {
    return Draw(Raised(Plain(0xF3F3EE), Plain(0xF3F3EE), Plain(0xD6D0C5), Plain(0xE2DFD6),
                       Ramp(0xFDFDFC, 0xECEBE6), Ramp(0xFDFDFC, 0xEBEBE5),
                       Ramp(0xF6F4F2, 0xE0DDD4), Ramp(0xFBFBFA, 0xE4E2DA)));
}

RgbImage MakeButtonHighLight() {
    return Draw(Raised(Plain(0xFFF0CF), Plain(0xFDD889), Plain(0xE59700), Plain(0xF8B330),
                       Ramp(0xFEDF9A, 0xF9B435), Ramp(0xFCD279, 0xF8B535),
                       Ramp(0xFDE09B, 0xF8B435), Ramp(0xFCD279, 0xF8B535)));
}

// Focus and hover together look exactly like hover.
RgbImage MakeButtonHighLightSelect() { return MakeButtonHighLight(); }

RgbImage MakeButtonSelected() {
    return Draw(Raised(Plain(0xCEE7FF), Plain(0xCEE7FF), Plain(0x6982EE), Plain(0x6982EE),
                       Ramp(0xB7D0F4, 0x8BADE4), Ramp(0xB8D1F4, 0x8BADE4),
                       Ramp(0xB1CCF2, 0x8BAFE5), Ramp(0xB1CCF2, 0x8BAFE5)));
}

RgbImage MakeButtonPressed() {
    constexpr std::uint32_t face = 0xECE9D8;
    Frame f = {{Plain(face), Banded(kTopOuter, kTopOuterBand), Plain(kBlue), Plain(0xD1CCC1)},
               {Plain(face), Banded(kBottomOuter, kBottomOuterBand), Plain(kBlue), Plain(0xF2F1EE)},
               {Even(face), Even(kLeftOuter), Even(kBlue), Ramp(0xDAD8CF, 0xD7D3C9)},
               {Even(face), Even(kRightOuter), Even(kBlue), Ramp(0xE6E6E1, 0xE3E2DA)},
               CornerStyle::kPressed};
    return Draw(f);
}

RgbImage MakeButtonDisable() {
    constexpr std::uint32_t face = 0xECE9D8, grey = 0xC9C7BA, glow = 0xF5F4EA;
    Frame f = {{Plain(face), Plain(grey), Plain(glow), Plain(glow)},
               {Plain(face), Plain(grey), Plain(glow), Plain(glow)},
               {Even(face), Even(grey), Even(glow), Even(glow)},
               {Even(face), Even(grey), Even(glow), Even(glow)},
               CornerStyle::kDisabled};
    return Draw(f);
}

}  // namespace morvantis::assets
