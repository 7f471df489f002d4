// The face as an RGB pixel buffer, painted the way GDI paints a memory bitmap: the same
// gradient rows and the same choice of pixels when stretching (checked against GDI under Wine).
#pragma once

#include <cstdint>
#include <vector>

#include "host/button/face_surface.h"

namespace morvantis::button {

class PixelSurface : public FaceSurface {
public:
    PixelSurface(std::int32_t width, std::int32_t height);

    PixelSize Size() const override { return {width_, height_}; }
    bool Clear() override;
    bool FillGradient(const GradientVertex* vertices, std::uint32_t vertex_count,
                      const GradientRect& rect) override;
    bool StretchCopy(StatePicture picture, const PixelRect& source, const PixelRect& destination) override;
    bool Present() override;

    // Changes the size; the new face is cleared.
    void Resize(std::int32_t width, std::int32_t height);

    Rgb8 Pixel(std::int32_t x, std::int32_t y) const;
    // Rows from the top, left to right.
    const std::vector<Rgb8>& Pixels() const { return pixels_; }
    int PresentCount() const { return presents_; }

private:
    bool Inside(std::int32_t x, std::int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::vector<Rgb8> pixels_;
    int presents_ = 0;
};

// Pixel (x, y) of a picture, y counted from the top.
Rgb8 PicturePixel(const RgbImage& image, std::int32_t x, std::int32_t y);

// True when `source` lies inside the picture and both rectangles have a positive size: the
// copies both surfaces accept.
bool IsValidCopy(const RgbImage& image, const PixelRect& source, const PixelRect& destination);

}  // namespace morvantis::button
