// Frames per second of the whole scene at 1024 x 768, rendered offscreen in software.
#include "renderer/gl/scene.h"
#include "renderer/image/dib_decode.h"
#include "renderer/native/offscreen_context.h"
#include "renderer/native/shell.h"

#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <memory>

namespace morvantis {
namespace {

void BM_SceneFrame(benchmark::State& bench) {
    OffscreenContext context(1024, 768);
    auto scene = std::make_unique<Scene>();
    SetProjection(1024, 768);
    auto read = [](const std::string& path) { return ReadDibFile(path).image; };
    if (!context.ok() || !SetupScene(*scene, read, TexturePathsIn(MORVANTIS_ASSETS_DIR))) {
        bench.SkipWithError("no offscreen context or textures");
        return;
    }
    ResetRenderer(scene->state);
    for (int frame = 0; frame < 600; ++frame) DrawFrame(*scene);  // past the fog fade-in
    for (auto _ : bench) {
        DrawFrame(*scene);
        glFinish();
    }
    bench.counters["fps"] = benchmark::Counter(static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
    ReleaseScene(*scene);
}

BENCHMARK(BM_SceneFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

}  // namespace
}  // namespace morvantis

BENCHMARK_MAIN();
