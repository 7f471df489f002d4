// The face as a GDI memory bitmap (a 32-bit top-down DIB section): GradientFill from the system
// image library for the gradient, StretchBlt in COLORONCOLOR mode for the frame pieces. Paints
// the same pixels as PixelSurface. Opaque handles keep <windows.h> out of this header.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "host/button/face_surface.h"

struct HDC__;
struct HBITMAP__;

namespace morvantis::button {

class GdiSurface : public FaceSurface {
public:
    GdiSurface(std::int32_t width, std::int32_t height);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    PixelSize Size() const override { return {width_, height_}; }
    bool Clear() override;
    bool FillGradient(const GradientVertex* vertices, std::uint32_t vertex_count,
                      const GradientRect& rect) override;
    bool StretchCopy(StatePicture picture, const PixelRect& source, const PixelRect& destination) override;
    bool Present() override;

    // A new, cleared bitmap of the given size.
    void Resize(std::int32_t width, std::int32_t height);
    // Called by Present: the owner shows the face again.
    void OnPresent(std::function<void()> handler) { on_present_ = std::move(handler); }

    // The memory DC holding the face, for copying it onto a window.
    HDC__* Dc() const { return dc_; }
    // Rows from the top, left to right.
    std::vector<Rgb8> Pixels() const;

private:
    struct Source {
        HDC__* dc = nullptr;
        HBITMAP__* bitmap = nullptr;
        void* previous = nullptr;  // HGDIOBJ
    };
    const Source* PictureSource(StatePicture picture);
    void ReleaseBitmap();

    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    HDC__* dc_ = nullptr;
    HBITMAP__* bitmap_ = nullptr;
    void* previous_ = nullptr;  // HGDIOBJ
    void* bits_ = nullptr;
    std::array<Source, kStatePictureCount> sources_{};
    std::function<void()> on_present_;
};

}  // namespace morvantis::button
