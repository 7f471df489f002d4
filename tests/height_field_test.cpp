#include "renderer/animation/height_field.h"

#include <gtest/gtest.h>

#include <cstring>
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

TEST(EscapeKernel, BailoutIsReachedAtExactlyFourForEveryFormula) {
    for (int formula = 0; formula < 3; ++formula) {
        EXPECT_EQ(CountEscape(-2.0, 0.0, formula, 128), 1) << "formula " << formula;
        EXPECT_EQ(CountEscape(0.0, 0.0, formula, 128), 128) << "formula " << formula;
    }
    EXPECT_EQ(CountEscape(1.0, 0.0, 0, 128), 2);  // 0 -> 1 -> 2: |z|^2 reaches 4 at step 2
    EXPECT_EQ(CountEscape(-1.0, 0.0, 0, 128), 128);  // the 2-cycle 0, -1 never escapes
    EXPECT_EQ(CountEscape(0.0, 0.0, 0, 5), 5);
}

TEST(EscapeKernel, EachFormulaHasItsOwnPower) {
    // c = -1: z^2 cycles 0, -1, 0; z^3 goes 0, -1, -2 and escapes; z^4 cycles 0, -1, 0.
    EXPECT_EQ(CountEscape(-1.0, 0.0, 0, 128), 128);
    EXPECT_EQ(CountEscape(-1.0, 0.0, 1, 128), 2);
    EXPECT_EQ(CountEscape(-1.0, 0.0, 2, 128), 128);
    // c = i: z^2 cycles i, -1+i, -i, -1+i; z^3 gives i, 0, i; z^4 gives i, 1+i, -4+i and escapes.
    EXPECT_EQ(CountEscape(0.0, 1.0, 0, 128), 128);
    EXPECT_EQ(CountEscape(0.0, 1.0, 1, 128), 128);
    EXPECT_EQ(CountEscape(0.0, 1.0, 2, 128), 3);
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
    for (const GridVertex& v : field->currentGrid) {
        EXPECT_GT(v.y, 0.0f);
        EXPECT_LE(v.y, 1.0f);
        EXPECT_EQ(v.shade, 0.0f);
    }
    ExpectRegion(field->regionStep, {0.007947501f, -0.03955384f, 0.018104f, -0.01751733f});
}

TEST(HeightField, APassTakesTwoFramesAndPublishesWholeGrids) {
    auto field = ResetField();
    const Grid first = field->currentGrid;
    FillNextColumns(*field);
    EXPECT_EQ(field->nextColumn, 32);
    EXPECT_EQ(std::memcmp(&first, &field->currentGrid, sizeof(Grid)), 0) << "half a pass is not published";
    FillNextColumns(*field);
    EXPECT_EQ(field->nextColumn, 0);
    // The first pass uses preset 0's own region: the same grid again.
    EXPECT_EQ(std::memcmp(&first, &field->currentGrid, sizeof(Grid)), 0);
    EXPECT_NE(field->viewRegion, (Region{-2.5f, 1.5f, -1.5f, 1.5f})) << "the glide starts after the first pass";
    RunFrames(*field, 2);
    EXPECT_NE(std::memcmp(&first, &field->currentGrid, sizeof(Grid)), 0);
}

TEST(HeightField, GlideAccumulatesInSinglePrecisionAndSnapsToTheNextPreset) {
    auto field = ResetField();
    RunFrames(*field, 118);  // 59 passes glided
    for (int i = 0; i < 4; ++i) field->viewRegion[i] += field->regionStep[i];  // the 60th addition
    ExpectRegion(field->viewRegion, {-2.023153f, -0.8732302f, -0.4137608f, 0.4489603f});
    EXPECT_NE(field->viewRegion, (Region{-2.02315f, -0.87323f, -0.41376f, 0.44896f}));

    field = ResetField();
    RunFrames(*field, 120);
    EXPECT_EQ(field->presetIndex, 1);
    EXPECT_EQ(field->viewRegion, (Region{-2.02315f, -0.87323f, -0.41376f, 0.44896f}));
    EXPECT_EQ(field->passesLeft, 60);
}

TEST(HeightField, HeldPresetsStayStillAndTheCycleReturnsToTheStart) {
    auto field = ResetField();
    RunFrames(*field, 5 * 120);
    ASSERT_EQ(field->presetIndex, 5);
    const Region held = field->viewRegion;
    for (int pass = 0; pass < 59; ++pass) {
        RunFrames(*field, 2);
        EXPECT_EQ(field->viewRegion, held);
    }
    RunFrames(*field, 3 * 120 - 118);
    ASSERT_EQ(field->presetIndex, 8);
    EXPECT_EQ(std::make_pair(field->formulaType, field->motionMode), std::make_pair(2, 12));
    ExpectRegion(field->regionStep, {-0.01666667f, 0.0f, 0.0f, 0.0f});
    RunFrames(*field, 120);
    EXPECT_EQ(std::make_tuple(field->presetIndex, field->formulaType, field->motionMode), std::make_tuple(0, 0, 10));
    EXPECT_EQ(field->viewRegion, (Region{-2.5f, 1.5f, -1.5f, 1.5f}));
}

TEST(HeightField, NewFormulaAppliesFromTheNextPass) {
    auto field = ResetField();
    RunFrames(*field, 7 * 120 - 2);
    ASSERT_EQ(field->presetIndex, 6);
    RunFrames(*field, 2);  // this pass switches to preset 7 (z^3 + c) after it is computed
    ASSERT_EQ(field->presetIndex, 7);
    EXPECT_EQ(field->formulaType, 1);
    const Grid lastOfPreset6 = field->currentGrid;
    RunFrames(*field, 2);
    // The whole plane [-1.5, 1.5]^2 under z^3 + c: the centre does not escape.
    EXPECT_NE(std::memcmp(&lastOfPreset6, &field->currentGrid, sizeof(Grid)), 0);
    EXPECT_EQ(At(field->currentGrid, 32, 32).y, 1.0f);
}

}  // namespace
}  // namespace morvantis
