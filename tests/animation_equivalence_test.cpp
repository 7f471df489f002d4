#include "renderer/animation/reference.h"
#include "renderer/animation/renderer_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace morvantis {
namespace {

// The optimised per-frame work and the straightforward one, run side by side over a whole
// cycle of the nine presets, give the same grids to the bit.
TEST(AnimationEquivalence, OptimisedAndStraightforwardAgreeOverAFullCycle) {
    auto fast = std::make_unique<RendererState>();
    auto plain = std::make_unique<RendererState>();
    ResetRenderer(*fast);
    ResetRenderer(*plain);
    for (int frame = 1; frame <= kPresetCount * kPassesPerPreset * kFramesPerPass; ++frame) {
        BeginFrame(*fast);
        EndFrame(*fast);
        BeginFrame(*plain);
        reference::AnimateSurface(plain->field.currentGrid, plain->animatedGrid, plain->field.motionMode,
                                  plain->scene.angles);
        reference::FillNextColumns(plain->field);
        ASSERT_EQ(std::memcmp(&fast->animatedGrid, &plain->animatedGrid, sizeof(Grid)), 0) << "frame " << frame;
        ASSERT_EQ(std::memcmp(&fast->field.pendingGrid, &plain->field.pendingGrid, sizeof(Grid)), 0)
            << "frame " << frame;
    }
    EXPECT_EQ(fast->field.presetIndex, 0);
}

}  // namespace
}  // namespace morvantis
