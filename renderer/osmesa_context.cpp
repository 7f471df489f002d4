#include "renderer/offscreen_context.h"

#include "renderer/gl_headers.h"

#include <GL/osmesa.h>

namespace morvantis {

struct OffscreenContext::Impl {
    OSMesaContext context = nullptr;
    std::vector<std::uint8_t> buffer;
};

OffscreenContext::OffscreenContext(int width, int height)
    : impl_(std::make_unique<Impl>()), width_(width), height_(height) {
    if (width <= 0 || height <= 0) return;
    impl_->context = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
    if (!impl_->context) return;
    impl_->buffer.resize(static_cast<std::size_t>(width) * height * 4);
    ok_ = OSMesaMakeCurrent(impl_->context, impl_->buffer.data(), GL_UNSIGNED_BYTE, width, height) == GL_TRUE;
}

OffscreenContext::~OffscreenContext() {
    if (impl_->context) OSMesaDestroyContext(impl_->context);
}

std::vector<std::uint8_t> OffscreenContext::ReadRgbTopDown() const {
    glFinish();
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width_) * height_ * 3);
    // The buffer holds the bottom row first.
    for (int y = 0; y < height_; ++y) {
        const std::uint8_t* src = impl_->buffer.data() + static_cast<std::size_t>(height_ - 1 - y) * width_ * 4;
        std::uint8_t* dst = rgb.data() + static_cast<std::size_t>(y) * width_ * 3;
        for (int x = 0; x < width_; ++x) {
            dst[3 * x] = src[4 * x];
            dst[3 * x + 1] = src[4 * x + 1];
            dst[3 * x + 2] = src[4 * x + 2];
        }
    }
    return rgb;
}

}  // namespace morvantis
