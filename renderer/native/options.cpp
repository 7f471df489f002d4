#include "renderer/native/options.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace morvantis {
namespace {

constexpr int kMaxFrames = 1000000;
constexpr int kMaxSide = 8192;
constexpr unsigned long kMaxWindowId = 0xFFFFFFFFul;  // ids are 32 bits on the wire

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

// Both spellings of an option: "--root" and the screen saver's own "-root".
bool Is(const std::string& arg, const char* longName) { return arg == longName || arg == longName + 1; }

// Where the picture goes when it is drawn into another program's window: the window named on the
// command line, or for --root the screen saver's window, else the root window (id 0). A screen
// saver's settings run the preview as its list's command with --window-id appended
// ("--root --window-id 0x..."): the named window wins.
std::string ResolveHostWindow(NativeOptions& options, bool root, const char* windowIdText, const char* screenSaverWindow) {
    if (!root && !windowIdText) return {};
    options.hosted = true;
    if (!windowIdText && (!screenSaverWindow || !*screenSaverWindow)) return {};
    const std::string text = windowIdText ? windowIdText : screenSaverWindow;
    if (ParseWindowId(text, options.hostWindow)) return {};
    return std::string(windowIdText ? "--window-id" : "XSCREENSAVER_WINDOW") +
           " needs a window id such as 0x1a00007 or 27262983, not \"" + text + "\"";
}

std::string CheckCombination(const NativeOptions& options) {
    if (options.snapshotPath.empty()) return {};
    if (options.hosted) return "--snapshot renders without a window: it excludes --root and --window-id";
    if (options.showFps) return "--fps is drawn in a window: it excludes --snapshot";
    return {};
}

}  // namespace

bool ParseWindowId(const std::string& text, unsigned long& id) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    if (digits.empty()) return false;
    for (char c : digits)
        if (!(hex ? std::isxdigit(static_cast<unsigned char>(c)) : std::isdigit(static_cast<unsigned char>(c))))
            return false;
    errno = 0;
    const unsigned long long value = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10);
    if (errno != 0 || value == 0 || value > kMaxWindowId) return false;
    id = static_cast<unsigned long>(value);
    return true;
}

std::string NativeUsage(const std::string& defaultTextureDir) {
    return "Usage: morvantis [options]\n"
        "Shows the animated escape-time fractal full screen; Escape or closing the window ends it.\n"
        "\n"
        "  --textures DIR     folder holding Morvantis1.bmp and Morvantis2.bmp\n"
        "                     (default: " + defaultTextureDir + ")\n"
        "  --snapshot FILE    render headless, without a display, and save the last frame as PNG\n"
        "  --frames N         frames to render for the snapshot (default 600, at least 1)\n"
        "  --size WxH         snapshot size in pixels (default 1024x768)\n"
        "  --root             draw into the window named by XSCREENSAVER_WINDOW, or into the\n"
        "                     root window when it is not set (as a screen saver hack)\n"
        "  --window-id ID     draw into the window ID (0x... or decimal), e.g. a preview;\n"
        "                     it wins over --root\n"
        "  --fps              show the frames per second in the lower left corner\n"
        "  --help             show this text\n"
        "The screen saver's spellings -root, -window-id and -fps are understood too. In another\n"
        "program's window it ends on SIGTERM or SIGINT, or when that window goes away.\n";
}

NativeOptions ParseNativeOptions(int argc, const char* const* argv, const std::string& defaultTextureDir,
                                 const char* screenSaverWindow) {
    NativeOptions options;
    options.textureDir = defaultTextureDir;
    bool root = false;
    const char* windowIdText = nullptr;
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
        } else if (Is(arg, "--root")) {
            root = true;
        } else if (Is(arg, "--window-id") && hasValue) {
            windowIdText = argv[++i];
        } else if (Is(arg, "--fps")) {
            options.showFps = true;
        } else {
            options.error = "unknown or incomplete option: " + arg;
        }
    }
    if (options.error.empty()) options.error = ResolveHostWindow(options, root, windowIdText, screenSaverWindow);
    if (options.error.empty()) options.error = CheckCombination(options);
    return options;
}

}  // namespace morvantis
