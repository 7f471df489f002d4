#include "renderer/native_options.h"

#include <cerrno>
#include <cstdlib>

namespace morvantis {
namespace {

constexpr int kMaxFrames = 1000000;
constexpr int kMaxSide = 8192;

bool ParseWhole(const std::string& text, int lo, int hi, int& out) {
    if (text.empty() || text[0] == '-' || text[0] == '+') return false;
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < lo || value > hi) return false;
    out = static_cast<int>(value);
    return true;
}

bool ParseSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos) return false;
    return ParseWhole(text.substr(0, x), 1, kMaxSide, width) && ParseWhole(text.substr(x + 1), 1, kMaxSide, height);
}

}  // namespace

const char* const kNativeUsage =
    "Usage: morvantis [options]\n"
    "Shows the animated escape-time fractal full screen; Escape or closing the window ends it.\n"
    "\n"
    "  --textures DIR     folder holding Morvantis1.bmp and Morvantis2.bmp\n"
    "                     (default: the project's own pictures)\n"
    "  --snapshot FILE    render headless, without a display, and save the last frame as PNG\n"
    "  --frames N         frames to render for the snapshot (default 600, at least 1)\n"
    "  --size WxH         snapshot size in pixels (default 1024x768)\n"
    "  --help             show this text\n";

NativeOptions ParseNativeOptions(int argc, const char* const* argv, const std::string& defaultTextureDir) {
    NativeOptions options;
    options.textureDir = defaultTextureDir;
    for (int i = 1; i < argc && options.error.empty(); ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--textures" && hasValue) {
            options.textureDir = argv[++i];
        } else if (arg == "--snapshot" && hasValue) {
            options.snapshotPath = argv[++i];
        } else if (arg == "--frames" && hasValue) {
            if (!ParseWhole(argv[++i], 1, kMaxFrames, options.frames))
                options.error = "--frames needs a whole number from 1 to 1000000";
        } else if (arg == "--size" && hasValue) {
            if (!ParseSize(argv[++i], options.width, options.height))
                options.error = "--size needs WIDTHxHEIGHT, each from 1 to 8192";
        } else {
            options.error = "unknown or incomplete option: " + arg;
        }
    }
    return options;
}

}  // namespace morvantis
