#include "renderer/pacing/frame_log.h"

#include <cstdlib>

namespace morvantis {

FrameLog FrameLog::FromEnvironment() {
    const char* path = std::getenv("MORVANTIS_FRAME_LOG");
    return FrameLog(path && *path ? std::fopen(path, "a") : nullptr);
}

void FrameLog::FrameShown(Nanoseconds now) {
    if (!file_) return;
    if (!started_) {
        started_ = true;
        firstFrame_ = now;
    }
    // A clock that went back counts its frames in the second already running.
    const std::int64_t second = (now - firstFrame_) / kSecond;
    if (second > second_) {
        // Written as each second ends, so that the lines are there however the program ends.
        std::fprintf(file_.get(), "%lld %d\n", static_cast<long long>(second_), frames_);
        std::fflush(file_.get());
        second_ = second;
        frames_ = 0;
    }
    ++frames_;
}

}  // namespace morvantis
