#include "renderer/animation/height_field.h"

#include "renderer/animation/escape_kernel.h"

namespace morvantis {
namespace {

constexpr float kSampleStep = 0.015625f;    // 1/64 of the region: the maximum is never sampled
constexpr float kVertexSpacing = 0.33333334f;
constexpr float kGlideFraction = 0.016666668f;  // one sixtieth per pass

Region BoundsOf(const ViewPreset& preset) {
    return {preset.reMin, preset.reMax, preset.imMin, preset.imMax};
}

Region StepTowards(const Region& from, const ViewPreset& to) {
    const Region target = BoundsOf(to);
    Region step;
    // The difference is taken in double precision and only the step is rounded to float.
    for (int i = 0; i < 4; ++i)
        step[i] = static_cast<float>((static_cast<double>(target[i]) - from[i]) * kGlideFraction);
    return step;
}

// Columns [first, first + count) of a grid for the field's region and formula.
void FillColumns(const HeightField& field, Grid& grid, int first, int count) {
    const SampleGeometry geometry = GeometryOf(field.viewRegion);
    double re[kGridSize];
    for (int row = 0; row < kGridSize; ++row)
        re[row] = static_cast<double>(row) * geometry.stepRe + field.viewRegion[0];
    int counts[kGridSize];
    for (int column = first; column < first + count; ++column) {
        const double im = static_cast<double>(column) * geometry.stepIm + field.viewRegion[2];
        CountEscapeBatch(re, im, kGridSize, field.formulaType, field.maxIterations, counts);
        for (int row = 0; row < kGridSize; ++row)
            At(grid, row, column) = PlaceVertex(row, column, counts[row], field.maxIterations);
    }
}

}  // namespace

const std::array<ViewPreset, kPresetCount> viewPresets = {{
    {-2.5f, 1.5f, -1.5f, 1.5f, 0, 0, 10},
    {-2.02315f, -0.87323f, -0.41376f, 0.44896f, 0, 0, 10},
    {-2.01315f, -0.81323f, -0.40376f, 0.43896f, 0, 0, 10},
    {-2.00315f, -0.80323f, -0.39376f, 0.42896f, 0, 0, 10},
    {-1.9102f, -1.2104f, -0.202f, 0.372f, 0, 0, 10},
    {-0.6505f, 0.5889f, 0.44002f, 1.3709f, 0, 1, 10},
    {-1.79701f, -1.74067f, -0.01398f, 0.02809f, 0, 1, 10},
    {-1.5f, 1.5f, -1.5f, 1.5f, 1, 1, 11},
    {-1.5f, 1.5f, -1.5f, 1.5f, 2, 1, 12},
}};

SampleGeometry GeometryOf(const Region& region) {
    return {(region[1] - region[0]) * kSampleStep, (region[3] - region[2]) * kSampleStep};
}

GridVertex PlaceVertex(int row, int column, int count, int maxIterations) {
    GridVertex v;
    v.x = static_cast<float>(row - 32) * kVertexSpacing;
    v.y = static_cast<float>(count) / static_cast<float>(maxIterations);
    v.z = static_cast<float>(column - 32) * kVertexSpacing;
    v.shade = 0.0f;
    return v;
}

void FillWholeGrid(HeightField& field) { FillColumns(field, field.currentGrid, 0, kGridSize); }

void FillNextColumns(HeightField& field) {
    const int columnsPerFrame = kGridSize / kFramesPerPass;
    FillColumns(field, field.pendingGrid, field.nextColumn, columnsPerFrame);
    field.nextColumn += columnsPerFrame;
    if (--field.framesLeft > 0) return;
    field.currentGrid = field.pendingGrid;
    field.framesLeft = kFramesPerPass;
    field.nextColumn = 0;
    AdvanceView(field);
}

void AdvanceView(HeightField& field) {
    if (viewPresets[field.presetIndex].hold == 0)
        for (int i = 0; i < 4; ++i) field.viewRegion[i] += field.regionStep[i];
    if (--field.passesLeft > 0) return;
    field.presetIndex = (field.presetIndex + 1) % kPresetCount;
    field.passesLeft = kPassesPerPreset;
    const ViewPreset& shown = viewPresets[field.presetIndex];
    field.viewRegion = BoundsOf(shown);
    field.formulaType = shown.formula;
    field.regionStep = StepTowards(field.viewRegion, viewPresets[(field.presetIndex + 1) % kPresetCount]);
    field.motionMode = shown.motion;
}

void ResetHeightField(HeightField& field) {
    field.viewRegion = BoundsOf(viewPresets[0]);
    field.regionStep = StepTowards(field.viewRegion, viewPresets[1]);
    field.formulaType = viewPresets[0].formula;
    field.maxIterations = 128;
    field.motionMode = viewPresets[0].motion;
    field.presetIndex = 0;
    field.passesLeft = kPassesPerPreset;
    field.framesLeft = kFramesPerPass;
    field.nextColumn = 0;
    FillWholeGrid(field);
}

}  // namespace morvantis
