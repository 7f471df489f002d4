// The button's drawing surface: what painting the face needs from a platform, nothing more.
// Two implementations: PixelSurface (an RGB buffer, portable, used by the tests) and GdiSurface
// (a GDI memory bitmap on Windows). Both must give the same pixels for the same calls.
#pragma once

#include <cstdint>

#include "host/button/state_pictures.h"

namespace morvantis::button {

// One corner of a gradient rectangle, laid out like GDI's TRIVERTEX: position in pixels,
// 16-bit channels (the byte times 256).
struct GradientVertex {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint16_t red = 0;
    std::uint16_t green = 0;
    std::uint16_t blue = 0;
    std::uint16_t alpha = 0;
};

// Indices of the two vertices that span a gradient rectangle, like GDI's GRADIENT_RECT.
struct GradientRect {
    std::uint32_t upper_left = 0;
    std::uint32_t lower_right = 0;
};

struct PixelRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

struct PixelSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

struct Rgb8 {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb8 a, Rgb8 b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
    friend bool operator!=(Rgb8 a, Rgb8 b) { return !(a == b); }
};

// What a cleared face shows before anything is drawn on it (the gradient and the frame cover it
// all on any face of at least 8 x 8 pixels).
inline constexpr Rgb8 kClearedFace = {0xEC, 0xE9, 0xD8};

class FaceSurface {
public:
    virtual ~FaceSurface() = default;

    // The face's size in pixels.
    virtual PixelSize Size() const = 0;

    // Fills the whole face with kClearedFace.
    virtual bool Clear() = 0;

    // Vertical two-colour gradient over the rectangle `rect` spans, as GDI's GradientFill does
    // in GRADIENT_FILL_RECT_V mode (`vertices` holds `vertex_count` entries).
    virtual bool FillGradient(const GradientVertex* vertices, std::uint32_t vertex_count,
                              const GradientRect& rect) = 0;

    // Copies `source` of the picture onto `destination` of the face, replacing its pixels and
    // stretching or squeezing by picking the nearest pixels. Sizes must be positive.
    virtual bool StretchCopy(StatePicture picture, const PixelRect& source, const PixelRect& destination) = 0;

    // Makes what was drawn visible: the platform shows the face from now on.
    virtual bool Present() = 0;
};

}  // namespace morvantis::button
