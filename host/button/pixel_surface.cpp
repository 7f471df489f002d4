#include "host/button/pixel_surface.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace morvantis::button {

namespace {

// The colour GDI gives row `y` of a vertical gradient from `top` (its first row) to `bottom`
// (the row after its last), for top.y <= y < bottom.y: each channel is
// (top * (len - pos) + bottom * pos) / len / 256 in integers, truncated, with pos = y - top.y
// and len = bottom.y - top.y. So the first row has the top colour and the rows move 1/len of
// the way per row without ever reaching the bottom colour, which lies on the excluded row.
Rgb8 GradientRowColour(const GradientVertex& top, const GradientVertex& bottom, std::int32_t y) {
    const std::int64_t len = static_cast<std::int64_t>(bottom.y) - top.y;
    const std::int64_t pos = static_cast<std::int64_t>(y) - top.y;
    const auto channel = [len, pos](std::uint16_t a, std::uint16_t b) {
        return static_cast<std::uint8_t>((a * (len - pos) + b * pos) / len / 256);
    };
    return {channel(top.red, bottom.red), channel(top.green, bottom.green), channel(top.blue, bottom.blue)};
}

enum class Axis { kHorizontal, kVertical };

// For each of `destination_length` pixels along an axis, the index of the source pixel (of
// `source_length`; both positive) that GDI's nearest-pixel stretching (COLORONCOLOR) puts
// there. It walks the longer of the two lengths with a Bresenham error term that starts half a
// step in. When squeezing, several source pixels fall on one destination pixel: along a row
// the last one stays, across rows the first one (whole rows are dropped).
std::vector<std::int32_t> StretchSourceIndices(std::int32_t source_length, std::int32_t destination_length,
                                               Axis axis) {
    std::vector<std::int32_t> indices(static_cast<std::size_t>(destination_length), -1);
    const std::int64_t src = source_length, dst = destination_length;
    if (src <= dst) {
        // Stretching (or 1:1): walk the destination, stepping the source now and then.
        std::int64_t err = 3 * src - 2 * dst;
        std::int32_t s = 0;
        for (std::int32_t d = 0; d < destination_length; ++d) {
            indices[static_cast<std::size_t>(d)] = s;
            if (err > 0) {
                ++s;
                err += 2 * src - 2 * dst;
            } else {
                err += 2 * src;
            }
        }
    } else {
        // Squeezing: walk the source, stepping the destination now and then.
        std::int64_t err = 3 * dst - 2 * src;
        std::int32_t d = 0;
        for (std::int32_t s = 0; s < source_length && d < destination_length; ++s) {
            std::int32_t& slot = indices[static_cast<std::size_t>(d)];
            if (axis == Axis::kHorizontal || slot < 0) slot = s;
            if (err > 0) {
                ++d;
                err += 2 * dst - 2 * src;
            } else {
                err += 2 * dst;
            }
        }
    }
    return indices;
}

}  // namespace

Rgb8 PicturePixel(const RgbImage& image, std::int32_t x, std::int32_t y) {
    const std::size_t row = static_cast<std::size_t>(image.height - 1 - y);
    const std::size_t at = (row * static_cast<std::size_t>(image.width) + static_cast<std::size_t>(x)) * 3;
    return {image.pixels[at], image.pixels[at + 1], image.pixels[at + 2]};
}

bool IsValidCopy(const RgbImage& image, const PixelRect& source, const PixelRect& destination) {
    return source.width > 0 && source.height > 0 && destination.width > 0 && destination.height > 0 &&
           source.x >= 0 && source.y >= 0 && source.x <= image.width - source.width &&
           source.y <= image.height - source.height;
}

PixelSurface::PixelSurface(std::int32_t width, std::int32_t height) { Resize(width, height); }

void PixelSurface::Resize(std::int32_t width, std::int32_t height) {
    width_ = std::max<std::int32_t>(width, 0);
    height_ = std::max<std::int32_t>(height, 0);
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), kClearedFace);
}

Rgb8 PixelSurface::Pixel(std::int32_t x, std::int32_t y) const {
    return pixels_.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x));
}

bool PixelSurface::Clear() {
    std::fill(pixels_.begin(), pixels_.end(), kClearedFace);
    return true;
}

bool PixelSurface::FillGradient(const GradientVertex* vertices, std::uint32_t vertex_count,
                                const GradientRect& rect) {
    if (vertices == nullptr || rect.upper_left >= vertex_count || rect.lower_right >= vertex_count) return false;
    GradientVertex top = vertices[rect.upper_left];
    GradientVertex bottom = vertices[rect.lower_right];
    if (top.y > bottom.y) std::swap(top, bottom);
    // The rectangle includes its left and top edges, not its right and bottom ones.
    const std::int32_t left = std::max<std::int32_t>(std::min(top.x, bottom.x), 0);
    const std::int32_t right = std::min<std::int32_t>(std::max(top.x, bottom.x), width_);
    const std::int32_t first_row = std::max<std::int32_t>(top.y, 0);
    const std::int32_t end_row = std::min<std::int32_t>(bottom.y, height_);
    for (std::int32_t y = first_row; y < end_row; ++y) {
        const Rgb8 colour = GradientRowColour(top, bottom, y);
        for (std::int32_t x = left; x < right; ++x) {
            pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] =
                colour;
        }
    }
    return true;
}

bool PixelSurface::StretchCopy(StatePicture picture, const PixelRect& source, const PixelRect& destination) {
    const RgbImage& image = StatePictureImage(picture);
    if (!IsValidCopy(image, source, destination)) return false;
    // Like GDI: a one-pixel-wide destination takes one source column less. (A one-pixel-high one
    // would take one row less, but across rows the first one stays anyway.)
    PixelRect src = source;
    if (destination.width == 1 && src.width > 1) --src.width;
    const std::vector<std::int32_t> columns = StretchSourceIndices(src.width, destination.width, Axis::kHorizontal);
    const std::vector<std::int32_t> rows = StretchSourceIndices(src.height, destination.height, Axis::kVertical);
    for (std::int32_t dy = 0; dy < destination.height; ++dy) {
        for (std::int32_t dx = 0; dx < destination.width; ++dx) {
            const std::int32_t x = destination.x + dx, y = destination.y + dy;
            if (!Inside(x, y)) continue;
            const std::int32_t sx = columns[static_cast<std::size_t>(dx)];
            const std::int32_t sy = rows[static_cast<std::size_t>(dy)];
            pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] =
                PicturePixel(image, src.x + sx, src.y + sy);
        }
    }
    return true;
}

bool PixelSurface::Present() {
    ++presents_;
    return true;
}

}  // namespace morvantis::button
