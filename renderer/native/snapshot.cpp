#include "renderer/gl/scene.h"
#include "renderer/image/png_writer.h"
#include "renderer/native/offscreen_context.h"
#include "renderer/native/shell.h"

#include <cstdio>

namespace morvantis {
namespace {

Scene scene;

}  // namespace

TexturePaths TexturePathsIn(const std::string& folder) {
    return {folder + "/Morvantis1.bmp", folder + "/Morvantis2.bmp"};
}

int RenderSnapshot(const NativeOptions& options, const ImageReader& read) {
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
    const bool saved = WritePng(options.snapshotPath, options.width, options.height, context.ReadRgbTopDown());
    ReleaseScene(scene);
    if (!saved) {
        std::fprintf(stderr, "morvantis: cannot write %s\n", options.snapshotPath.c_str());
        return 2;
    }
    return 0;
}

}  // namespace morvantis
