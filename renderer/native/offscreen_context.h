// A rendering context without a window or a display server, for snapshots, render tests and benchmarks.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace morvantis {

class OffscreenContext {
public:
    // Makes a width x height RGBA context with a depth buffer current; check ok().
    OffscreenContext(int width, int height);
    ~OffscreenContext();
    OffscreenContext(const OffscreenContext&) = delete;
    OffscreenContext& operator=(const OffscreenContext&) = delete;

    bool ok() const { return ok_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // The finished frame as RGB rows, top row first.
    std::vector<std::uint8_t> ReadRgbTopDown() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    int width_;
    int height_;
    bool ok_ = false;
};

}  // namespace morvantis
