// The escape-time kernel and the height field's reset, glide and preset cycle. How each pass is
// spread over two frames and published whole is compared frame by frame with the straightforward
// version (animation_equivalence_test.cpp), which shares the kernel and the cycle tested here.
#include "renderer/animation/escape_kernel.h"
#include "renderer/animation/height_field.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <tuple>
#include <utility>

namespace morvantis {
namespace {

// The figures in the comments are rounded to seven digits: compare to within a few ulps.
void ExpectRegion(const Region& actual, const Region& expected) {
    for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(actual[i], expected[i]) << "bound " << i;
}

// The field is large (two grids); keep it off the stack.
std::unique_ptr<HeightField> ResetField() {
    auto field = std::make_unique<HeightField>();
    ResetHeightField(*field);
    return field;
}

void RunFrames(HeightField& field, int frames) {
    for (int i = 0; i < frames; ++i) FillNextColumns(field);
}

TEST(EscapeKernel, EachFormulaCountsItsStepsUntilTheSquaredSizeReachesFourOrTheLimit) {
    // c, and its count under z^2 + c, z^3 + c and z^4 + c. c = -2: 4 after one step; c = 1: 0, 1, 2.
    // c = -1: z^2 and z^4 cycle 0, -1; z^3 goes 0, -1, -2. c = i: z^2 cycles i, -1+i, -i, -1+i;
    // z^3 gives i, 0, i; z^4 gives i, 1+i, -4+i. Off both axes every term of each formula counts.
    for (const auto& [re, im, counts] : {std::tuple{-2.0, 0.0, std::array{1, 1, 1}}, {0.0, 0.0, {128, 128, 128}},
                                         {1.0, 0.0, {2, 2, 2}}, {-1.0, 0.0, {128, 2, 128}}, {0.0, 1.0, {128, 128, 3}},
                                         {0.25, 0.75, {5, 28, 23}}})
        for (int formula = 0; formula < 3; ++formula)
            EXPECT_EQ(CountEscape(re, im, formula, 128), counts[formula]) << re << "+" << im << "i, z^" << formula + 2;
    EXPECT_EQ(CountEscape(0.0, 0.0, 0, 5), 5);
    // The batch's two vector groups and its scalar tail stop exactly where the scalar count does,
    // also when the squared size lands on four exactly (c = -2).
    const double re[9] = {-2.0, 0.0, 1.0, -1.0, -2.0, 0.0, 1.0, -1.0, -2.0};
    std::array<int, 9> batch{};
    CountEscapeBatch(re, 0.0, 9, 0, 128, batch.data());
    EXPECT_EQ(batch, (std::array{1, 128, 2, 128, 1, 128, 2, 128, 1}));
}

TEST(HeightField, ResetFillsTheFirstPresetGrid) {
    auto field = ResetField();
    const GridVertex& origin = At(field->currentGrid, 40, 32);  // samples c = 0 exactly
    EXPECT_FLOAT_EQ(origin.y, 1.0f);
    EXPECT_FLOAT_EQ(origin.x, 8 * 0.33333334f);
    EXPECT_EQ(origin.z, 0.0f);
    const GridVertex& corner = At(field->currentGrid, 0, 0);  // c = -2.5 - 1.5i escapes at once
    EXPECT_EQ(corner.y, 0.0078125f);
    EXPECT_FLOAT_EQ(corner.x, -10.666667f);
    EXPECT_FLOAT_EQ(At(field->currentGrid, 63, 63).z, 10.333334f);
    ExpectRegion(field->regionStep, {0.007947501f, -0.03955384f, 0.018104f, -0.01751733f});
}

TEST(HeightField, GlideAccumulatesInSinglePrecisionAndSnapsToTheNextPreset) {
    auto field = ResetField();
    RunFrames(*field, 118);  // 59 passes glided
    for (int i = 0; i < 4; ++i) field->viewRegion[i] += field->regionStep[i];  // the 60th addition
    ExpectRegion(field->viewRegion, {-2.023153f, -0.8732302f, -0.4137608f, 0.4489603f});
    EXPECT_NE(field->viewRegion, (Region{-2.02315f, -0.87323f, -0.41376f, 0.44896f}));
    RunFrames(*field, 2);  // the 60th pass ends on the preset itself
    EXPECT_EQ(field->viewRegion, (Region{-2.02315f, -0.87323f, -0.41376f, 0.44896f}));
}

TEST(HeightField, EachPresetBringsItsFormulaMotionAndGlideOrHoldAndTheCycleReturnsToTheStart) {
    // Preset by preset: the formula, whether the view holds still, the surface motion.
    const std::tuple<int, bool, int> presets[kPresetCount] = {
        {0, false, 10}, {0, false, 10}, {0, false, 10}, {0, false, 10}, {0, false, 10},
        {0, true, 10},  {0, true, 10},  {1, true, 11},  {2, true, 12},
    };
    auto field = ResetField();
    for (int preset = 0; preset < kPresetCount; ++preset) {
        ASSERT_EQ(field->presetIndex, preset);
        const auto& [formula, holds, motion] = presets[preset];
        EXPECT_EQ(std::make_pair(field->formulaType, field->motionMode), std::make_pair(formula, motion)) << preset;
        const Region before = field->viewRegion;
        RunFrames(*field, 2);
        EXPECT_EQ(field->viewRegion == before, holds) << preset;
        RunFrames(*field, 116);  // 59 passes: a glide is one step short of the next preset
        const ViewPreset& next = viewPresets[(preset + 1) % kPresetCount];
        const Region arrival = {next.reMin, next.reMax, next.imMin, next.imMax};
        for (int i = 0; i < 4 && !holds; ++i)
            EXPECT_NEAR(field->viewRegion[i] + field->regionStep[i], arrival[i], 1e-5) << preset;
        RunFrames(*field, 2);
    }
    EXPECT_EQ(std::make_tuple(field->presetIndex, field->formulaType, field->motionMode), std::make_tuple(0, 0, 10));
    EXPECT_EQ(field->viewRegion, (Region{-2.5f, 1.5f, -1.5f, 1.5f}));
}

}  // namespace
}  // namespace morvantis
