// The native renderer: the scene in a full-screen X11 window, in another program's window (as a
// screen saver hack), or headless to a PNG file.
#include "renderer/image/dib_decode.h"
#include "renderer/native/posix_stop_signals.h"
#include "renderer/native/shell.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

std::optional<morvantis::RgbImage> ReadAndReport(const std::string& path) {
    morvantis::DibResult result = morvantis::ReadDibFile(path);
    if (!result.image) std::fprintf(stderr, "Error: %s\n", result.error.c_str());
    return std::move(result.image);
}

// The pictures lie at a fixed place relative to the program: installed, and in the build folder,
// which has the same layout. No folder of the build machine is compiled in.
std::string DefaultTextureDir() {
    char self[PATH_MAX], resolved[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    const std::string path(self, length > 0 ? static_cast<std::size_t>(length) : 0);
    const std::string relative = path.substr(0, path.rfind('/') + 1) + MORVANTIS_INSTALLED_TEXTURES;
    return realpath(relative.c_str(), resolved) ? resolved : relative;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace morvantis;
    EndByStopSignals();
    const std::string textureDir = DefaultTextureDir();
    const NativeOptions options = ParseNativeOptions(argc, argv, textureDir, std::getenv("XSCREENSAVER_WINDOW"));
    if (!options.error.empty()) {
        std::fprintf(stderr, "morvantis: %s\n\n%s", options.error.c_str(), NativeUsage(textureDir).c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(NativeUsage(textureDir).c_str(), stdout);
        return 0;
    }
    if (!options.snapshotPath.empty()) return RenderSnapshot(options, ReadAndReport);
    if (options.hosted) return RunInHostWindow(options, ReadAndReport);
    return RunInX11Window(options, ReadAndReport);
}
