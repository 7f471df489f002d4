// Frames rendered headless, checked for what a viewer would see.
#include "renderer/gl/scene.h"
#include "renderer/image/dib_decode.h"
#include "renderer/native/offscreen_context.h"
#include "renderer/native/shell.h"

#include <gtest/gtest.h>

#include <memory>

namespace morvantis {
namespace {

constexpr int kWidth = 256, kHeight = 192;

std::optional<RgbImage> Read(const std::string& path) { return ReadDibFile(path).image; }

struct Frame {
    std::vector<std::uint8_t> rgb;
    std::uint8_t MaxChannel(int channel) const {
        std::uint8_t max = 0;
        for (std::size_t i = channel; i < rgb.size(); i += 3) max = std::max(max, rgb[i]);
        return max;
    }
    double Brightness() const {
        double sum = 0;
        for (std::uint8_t v : rgb) sum += v;
        return sum / rgb.size();
    }
};

class RenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(context_.ok());
        SetProjection(kWidth, kHeight);
        ASSERT_TRUE(SetupScene(*scene_, Read, TexturePathsIn(MORVANTIS_SOURCE_DIR "/assets")));
        ResetRenderer(scene_->state);
    }
    void TearDown() override { ReleaseScene(*scene_); }

    Frame RenderUpTo(int frame) {
        for (; drawn_ < frame; ++drawn_) DrawFrame(*scene_);
        return Frame{context_.ReadRgbTopDown()};
    }

    OffscreenContext context_{kWidth, kHeight};
    std::unique_ptr<Scene> scene_ = std::make_unique<Scene>();
    int drawn_ = 0;
};

TEST_F(RenderTest, TheFirstFrameShowsOnlyTheSpheresInTheirColours) {
    const Frame first = RenderUpTo(1);
    // The surfaces are still collapsed at the origin: nothing red, which only their texture has.
    EXPECT_EQ(first.MaxChannel(0), 0);
    ASSERT_GT(first.MaxChannel(2), 0) << "the near spheres show through the fog";
    // Spheres are blue with green 0, 0.2, 0.4 and 0.6 times the blue: never more green than that.
    // Only the two spheres nearest the camera come through the first frame's fog: sphere 0 pure
    // blue, sphere 1 with a fifth of green.
    bool pureBlue = false, greenish = false;
    for (std::size_t i = 0; i < first.rgb.size(); i += 3) {
        const int g = first.rgb[i + 1], b = first.rgb[i + 2];
        EXPECT_LE(g, 0.6 * b + 2) << "pixel " << i / 3;
        if (b > 8 && g == 0) pureBlue = true;
        if (b > 8 && g > 0.15 * b) greenish = true;
    }
    EXPECT_TRUE(pureBlue);
    EXPECT_TRUE(greenish);
}

TEST_F(RenderTest, TheSurfacesAppearAndTheFogFadesTheSceneIn) {
    const double first = RenderUpTo(1).Brightness();
    const Frame second = RenderUpTo(2);
    EXPECT_GT(second.MaxChannel(0), 0) << "the surfaces are drawn from the second frame on";
    const double early = RenderUpTo(100).Brightness();
    const double late = RenderUpTo(534).Brightness();
    EXPECT_LT(first, early);
    EXPECT_LT(2 * early, late);
    EXPECT_FLOAT_EQ(scene_->state.scene.fogStart, 160.20087f);
}

}  // namespace
}  // namespace morvantis
