// The frames-per-second figure of the corner line: frames counted over about a second at a time,
// so the figure stays readable instead of flickering with every frame.
#pragma once

namespace morvantis {

class FpsCounter {
public:
    // Counts one shown frame at `seconds` on a steady clock.
    void FrameShown(double seconds);

    // "FPS: 59.9", or "FPS: --" until the first second has been measured.
    const char* Text() const { return text_; }

private:
    double since_ = -1.0;  // start of the second being measured; negative before the first frame
    int frames_ = 0;
    char text_[32] = "FPS: --";
};

}  // namespace morvantis
