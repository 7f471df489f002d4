// Working fakes of the button's platform seams, for checks of the state machine: a face that
// records which picture each paint used and in which gradient direction, and a poll timer that
// records how it was started.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "host/button/command.h"
#include "host/button/face_surface.h"

namespace morvantis::button {

class RecordingFace : public FaceSurface {
public:
    struct Paint {
        std::optional<StatePicture> picture;
        bool reversed = false;  // the gradient runs from the shade at the top
    };

    explicit RecordingFace(PixelSize size = {81, 25}) : size_(size) {}

    PixelSize Size() const override { return size_; }
    bool Clear() override {
        paints_.emplace_back();
        return true;
    }
    bool FillGradient(const GradientVertex* vertices, std::uint32_t, const GradientRect&) override {
        if (!paints_.empty()) paints_.back().reversed = vertices[0].red != 0xFF00;
        return true;
    }
    bool StretchCopy(StatePicture picture, const PixelRect&, const PixelRect&) override {
        if (!paints_.empty()) paints_.back().picture = picture;
        return true;
    }
    bool Present() override { return true; }

    // The paints since the last call.
    std::vector<Paint> Take() {
        std::vector<Paint> taken;
        taken.swap(paints_);
        return taken;
    }

private:
    PixelSize size_;
    std::vector<Paint> paints_;
};

class FakeTimer : public PollTimer {
public:
    bool Start(std::uint32_t interval_ms) override {
        starts.push_back(interval_ms);
        return true;
    }
    std::vector<std::uint32_t> starts;
};

// Paints a face through a fresh, enabled Command, the way the control does; `reversed` takes it
// through a hover first, which turns the gradient.
inline void PaintLikeTheControl(FaceSurface& face, StatePicture picture, bool reversed) {
    FakeTimer timer;
    Command command(face, timer);
    command.SetEnabled(true);
    command.Initialize();
    if (reversed) command.UserControl_MouseMove(0, 0, 0, 0);
    command.PaintState(picture);
}

}  // namespace morvantis::button
