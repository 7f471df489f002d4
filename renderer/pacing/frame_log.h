// A record of the frame rate for measuring, off unless asked for: when the environment variable
// MORVANTIS_FRAME_LOG names a file, one line per second is appended to it,
// "<whole seconds since the first frame> <frames drawn in that second>". A second in which no
// frame was drawn leaves no line; the second still running when the program ends is not written.
#pragma once

#include "renderer/pacing/frame_pacer.h"

#include <cstdio>
#include <memory>

namespace morvantis {

class FrameLog {
public:
    // The log MORVANTIS_FRAME_LOG asks for; one that writes nothing when it is unset or the file
    // cannot be opened.
    static FrameLog FromEnvironment();
    // Appends to `file` (or writes nothing when it is null), and closes it at the end.
    explicit FrameLog(std::FILE* file) : file_(file) {}

    // Counts a frame shown at `now` (the clock of the pacer).
    void FrameShown(Nanoseconds now);

private:
    struct Close {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    std::unique_ptr<std::FILE, Close> file_;
    bool started_ = false;
    Nanoseconds firstFrame_ = 0;
    std::int64_t second_ = 0;  // the second being counted, from the first frame
    int frames_ = 0;
};

}  // namespace morvantis
