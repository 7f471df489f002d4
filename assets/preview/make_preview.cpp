// Renders the saver's preview picture (152 x 112) from a representative frame of the real
// renderer: drawn four times larger offscreen, then averaged down 4 x 4 so that it stays sharp.
#include "assets/bmp_writer.h"
#include "renderer/gl/scene.h"
#include "renderer/image/dib_decode.h"
#include "renderer/native/offscreen_context.h"
#include "renderer/native/shell.h"

#include <cstdio>
#include <memory>

namespace {

constexpr int kWidth = 152, kHeight = 112, kScale = 4;
constexpr int kFrame = 760;  // the fog has faded in and the surfaces stand inside the spheres

// Averages kScale x kScale blocks of a top-down RGB picture into a bottom-up image.
morvantis::RgbImage Shrink(const std::vector<std::uint8_t>& big) {
    morvantis::RgbImage image;
    image.width = kWidth;
    image.height = kHeight;
    image.pixels.resize(kWidth * kHeight * 3);
    const int bigWidth = kWidth * kScale;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int dy = 0; dy < kScale; ++dy)
                    for (int dx = 0; dx < kScale; ++dx)
                        sum += big[((y * kScale + dy) * bigWidth + x * kScale + dx) * 3 + c];
                image.pixels[((kHeight - 1 - y) * kWidth + x) * 3 + c] =
                    static_cast<std::uint8_t>((sum + kScale * kScale / 2) / (kScale * kScale));
            }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace morvantis;
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ASSETS_DIR OUTPUT.bmp\n", argv[0]);
        return 2;
    }
    OffscreenContext context(kWidth * kScale, kHeight * kScale);
    auto scene = std::make_unique<Scene>();
    SetProjection(kWidth * kScale, kHeight * kScale);
    auto read = [](const std::string& path) { return ReadDibFile(path).image; };
    if (!context.ok() || !SetupScene(*scene, read, TexturePathsIn(argv[1]))) {
        std::fprintf(stderr, "cannot render: no offscreen context or no textures in %s\n", argv[1]);
        return 1;
    }
    ResetRenderer(scene->state);
    for (int frame = 0; frame < kFrame; ++frame) DrawFrame(*scene);
    const RgbImage preview = Shrink(context.ReadRgbTopDown());
    ReleaseScene(*scene);
    if (!WriteBmp24(argv[2], preview)) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
