// The per-frame animation work (surface motion plus half a height-field pass) for each of the
// nine presets, optimised core against the straightforward version.
#include "renderer/animation/reference.h"
#include "renderer/animation/renderer_state.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace morvantis {
namespace {

// A renderer advanced to the first frame of a preset.
std::unique_ptr<RendererState> AtPreset(int preset) {
    auto state = std::make_unique<RendererState>();
    ResetRenderer(*state);
    for (int frame = 0; frame < preset * kPassesPerPreset * kFramesPerPass; ++frame) AdvanceFrame(*state);
    return state;
}

struct ViewSnapshot {
    Region viewRegion, regionStep;
    int formulaType, motionMode, presetIndex, passesLeft, framesLeft, nextColumn;
};

ViewSnapshot Save(const HeightField& f) {
    return {f.viewRegion, f.regionStep, f.formulaType, f.motionMode, f.presetIndex, f.passesLeft, f.framesLeft, f.nextColumn};
}

// Each iteration computes one whole pass (two frames) of the same preset region.
void Restore(HeightField& f, const ViewSnapshot& s) {
    f.viewRegion = s.viewRegion;
    f.regionStep = s.regionStep;
    f.formulaType = s.formulaType;
    f.motionMode = s.motionMode;
    f.presetIndex = s.presetIndex;
    f.passesLeft = s.passesLeft;
    f.framesLeft = s.framesLeft;
    f.nextColumn = s.nextColumn;
}

using AnimateFunction = void (*)(const Grid&, Grid&, int, const AnimationAngles&);
using FillFunction = void (*)(HeightField&);

void RunPasses(benchmark::State& bench, AnimateFunction animate, FillFunction fill) {
    auto state = AtPreset(static_cast<int>(bench.range(0)));
    const ViewSnapshot start = Save(state->field);
    for (auto _ : bench) {
        Restore(state->field, start);
        for (int frame = 0; frame < kFramesPerPass; ++frame) {
            animate(state->field.currentGrid, state->animatedGrid, state->field.motionMode, state->scene.angles);
            fill(state->field);
        }
        benchmark::DoNotOptimize(state->animatedGrid.data());
    }
    bench.SetItemsProcessed(bench.iterations() * kFramesPerPass);
}

void BM_Optimised(benchmark::State& bench) { RunPasses(bench, AnimateSurface, FillNextColumns); }

void BM_Straightforward(benchmark::State& bench) {
    RunPasses(bench, reference::AnimateSurface, reference::FillNextColumns);
}

BENCHMARK(BM_Optimised)->DenseRange(0, kPresetCount - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Straightforward)->DenseRange(0, kPresetCount - 1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvantis

BENCHMARK_MAIN();
