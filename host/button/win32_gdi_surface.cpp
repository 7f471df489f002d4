#include "host/button/win32_gdi_surface.h"

#include <windows.h>

#include <cstddef>
#include <cstring>

#include "host/button/pixel_surface.h"

namespace morvantis::button {
namespace {

BITMAPINFO TopDownInfo(std::int32_t width, std::int32_t height, WORD bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bits;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

GdiSurface::GdiSurface(std::int32_t width, std::int32_t height) {
    dc_ = CreateCompatibleDC(nullptr);
    if (dc_) SetStretchBltMode(dc_, COLORONCOLOR);
    Resize(width, height);
}

GdiSurface::~GdiSurface() {
    ReleaseBitmap();
    for (Source& s : sources_) {
        if (!s.dc) continue;
        SelectObject(s.dc, s.previous);
        DeleteObject(s.bitmap);
        DeleteDC(s.dc);
    }
    if (dc_) DeleteDC(dc_);
}

void GdiSurface::ReleaseBitmap() {
    if (!bitmap_) return;
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    bitmap_ = nullptr;
    bits_ = nullptr;
}

void GdiSurface::Resize(std::int32_t width, std::int32_t height) {
    ReleaseBitmap();
    width_ = width > 0 ? width : 0;
    height_ = height > 0 ? height : 0;
    if (!dc_ || width_ == 0 || height_ == 0) return;
    const BITMAPINFO info = TopDownInfo(width_, height_, 32);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (!bitmap_) return;
    previous_ = SelectObject(dc_, bitmap_);
    Clear();
}

bool GdiSurface::Clear() {
    if (!bitmap_) return false;
    HBRUSH brush = CreateSolidBrush(RGB(kClearedFace.r, kClearedFace.g, kClearedFace.b));
    if (!brush) return false;
    const RECT all = {0, 0, width_, height_};
    const bool ok = FillRect(dc_, &all, brush) != 0;
    DeleteObject(brush);
    return ok;
}

bool GdiSurface::FillGradient(const GradientVertex* vertices, std::uint32_t vertex_count,
                              const GradientRect& rect) {
    if (!bitmap_ || vertices == nullptr || rect.upper_left >= vertex_count || rect.lower_right >= vertex_count) {
        return false;
    }
    std::vector<TRIVERTEX> tv(vertex_count);
    for (std::uint32_t i = 0; i < vertex_count; ++i) {
        tv[i].x = vertices[i].x;
        tv[i].y = vertices[i].y;
        tv[i].Red = vertices[i].red;
        tv[i].Green = vertices[i].green;
        tv[i].Blue = vertices[i].blue;
        tv[i].Alpha = vertices[i].alpha;
    }
    GRADIENT_RECT gr = {rect.upper_left, rect.lower_right};
    return GradientFill(dc_, tv.data(), vertex_count, &gr, 1, GRADIENT_FILL_RECT_V) != FALSE;
}

const GdiSurface::Source* GdiSurface::PictureSource(StatePicture picture) {
    Source& s = sources_[static_cast<std::size_t>(picture)];
    if (s.dc) return &s;
    const RgbImage& image = StatePictureImage(picture);
    const BITMAPINFO info = TopDownInfo(image.width, image.height, 24);
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) return nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) {
        DeleteDC(dc);
        return nullptr;
    }
    // Rows padded to 4 bytes, blue-green-red.
    const std::size_t stride = (static_cast<std::size_t>(image.width) * 3 + 3) & ~std::size_t{3};
    auto* out = static_cast<std::uint8_t*>(bits);
    for (std::int32_t y = 0; y < image.height; ++y) {
        for (std::int32_t x = 0; x < image.width; ++x) {
            const Rgb8 c = PicturePixel(image, x, y);
            std::uint8_t* p = out + static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3;
            p[0] = c.b;
            p[1] = c.g;
            p[2] = c.r;
        }
    }
    s.dc = dc;
    s.bitmap = bitmap;
    s.previous = SelectObject(dc, bitmap);
    return &s;
}

bool GdiSurface::StretchCopy(StatePicture picture, const PixelRect& source, const PixelRect& destination) {
    if (!bitmap_ || !IsValidCopy(StatePictureImage(picture), source, destination)) return false;
    const Source* s = PictureSource(picture);
    if (!s) return false;
    return StretchBlt(dc_, destination.x, destination.y, destination.width, destination.height, s->dc, source.x,
                      source.y, source.width, source.height, SRCCOPY) != FALSE;
}

bool GdiSurface::Present() {
    GdiFlush();
    if (on_present_) on_present_();
    return bitmap_ != nullptr;
}

std::vector<Rgb8> GdiSurface::Pixels() const {
    std::vector<Rgb8> pixels;
    if (!bits_) return pixels;
    GdiFlush();
    const auto* in = static_cast<const std::uint8_t*>(bits_);
    const std::size_t count = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    pixels.reserve(count);
    for (std::size_t i = 0; i < count; ++i) pixels.push_back({in[4 * i + 2], in[4 * i + 1], in[4 * i]});
    return pixels;
}

}  // namespace morvantis::button
