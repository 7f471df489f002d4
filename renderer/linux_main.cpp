// The native renderer: the scene in a full-screen X11 window, or headless to a PNG file.
#include "renderer/dib_decode.h"
#include "renderer/native_shell.h"

#include <cstdio>

namespace {

std::optional<morvantis::RgbImage> ReadAndReport(const std::string& path) {
    morvantis::DibResult result = morvantis::ReadDibFile(path);
    if (!result.image) std::fprintf(stderr, "Error: %s\n", result.error.c_str());
    return std::move(result.image);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace morvantis;
    NativeOptions options = ParseNativeOptions(argc, argv, MORVANTIS_ASSETS_DIR);
    if (!options.error.empty()) {
        std::fprintf(stderr, "morvantis: %s\n\n%s", options.error.c_str(), kNativeUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(kNativeUsage, stdout);
        return 0;
    }
    if (!options.snapshotPath.empty()) return RenderSnapshot(options, ReadAndReport);
    if (RunInX11Window(options, ReadAndReport) != kNoDisplay) return 0;
    options.snapshotPath = "morvantis-snapshot.png";
    std::fprintf(stderr, "morvantis: no display; rendering %d frames headless instead\n", options.frames);
    const int result = RenderSnapshot(options, ReadAndReport);
    if (result == 0) std::printf("morvantis: saved the last frame as %s\n", options.snapshotPath.c_str());
    return result;
}
