#include "renderer/gl/scene.h"
#include "renderer/image/png_writer.h"
#include "renderer/native/offscreen_context.h"
#include "renderer/native/posix_file_replacement.h"
#include "renderer/native/shell.h"

#include <cstdio>

namespace morvantis {
namespace {

Scene scene;

void SayCannotSave(const std::string& why) { std::fprintf(stderr, "morvantis: cannot save the snapshot: %s\n", why.c_str()); }

}  // namespace

TexturePaths TexturePathsIn(const std::string& folder) {
    return {folder + "/Morvantis1.bmp", folder + "/Morvantis2.bmp"};
}

int RenderSnapshot(const NativeOptions& options, const ImageReader& read) {
    // Rendering can take minutes: a destination that cannot be written is found first.
    const std::string unsaveable = CheckSaveDestination(options.snapshotPath);
    if (!unsaveable.empty()) {
        SayCannotSave(unsaveable);
        return 2;
    }
    OffscreenContext context(options.width, options.height);
    if (!context.ok()) {
        std::fprintf(stderr, "morvantis: no offscreen rendering context could be made\n");
        return 2;
    }
    SetProjection(options.width, options.height);
    if (!SetupScene(scene, read, TexturePathsIn(options.textureDir))) {
        std::fprintf(stderr, "morvantis: no texture could be read from %s\n", options.textureDir.c_str());
        return 2;
    }
    ResetRenderer(scene.state);
    for (int frame = 0; frame < options.frames; ++frame) DrawFrame(scene);
    const std::vector<std::uint8_t> pixels = context.ReadRgbTopDown();
    ReleaseScene(scene);
    std::string error;
    const bool saved = SaveFileWhole(
        options.snapshotPath,
        [&](std::FILE* file) { return WritePng(file, options.width, options.height, pixels); }, error);
    if (!saved) {
        SayCannotSave(error);
        return 2;
    }
    return 0;
}

}  // namespace morvantis
