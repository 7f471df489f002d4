// The button's properties: the first-run rule, the repaints that reading them causes, and
// their persistence in a property bag.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/button/command.h"
#include "host/button/fake_face.h"

namespace morvantis::button {
namespace {

using P = StatePicture;
using Pictures = std::vector<StatePicture>;
using Keys = std::vector<std::string>;

CaptionFont OtherFont() {
    CaptionFont font = DialogFont();
    font.face = "Tahoma";
    font.size_points = 8.25;
    font.italic = true;
    return font;
}

class ButtonProperties : public ::testing::Test {
protected:
    ButtonProperties() { command.OnPropertyChanged([this](const std::string& key) { changed.push_back(key); }); }

    void Load(std::vector<std::pair<std::string, PropertyValue>> entries = {}) {
        MapPropertyBag bag(std::move(entries));
        command.UserControl_ReadProperties(bag, DialogFont());
    }

    RecordingFace face;
    FakeTimer timer;
    Command command{face, timer};
    Keys changed;
};

TEST_F(ButtonProperties, AFreshControlLooksDisabledAndKeepsItsCaptionBlackUntilEnabledIsRead) {
    command.UserControl_Resize();
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Disable}));
    EXPECT_FALSE(command.LblMsg().enabled);

    command.SetEnabled(true);  // enabled, but still in its first run
    command.SetFontColour(0x0000FF);
    EXPECT_EQ(command.LblMsg().colour, 0u);

    EXPECT_TRUE(command.Enabled());
    EXPECT_EQ(command.firstRun(), 1);
    EXPECT_TRUE(command.LblMsg().enabled);
    command.SetFontColour(0x0000FF);
    EXPECT_EQ(command.FontColour(), 0x0000FFu);
    EXPECT_EQ(changed, (Keys{"Enabled", "FontColour", "FontColour"}));
}

TEST_F(ButtonProperties, ReadingPropertiesRepaintsWithoutChangingTheState) {
    Load();
    command.Initialize();
    command.UserControl_MouseMove(0, 0, 0, 0);
    face.Take();
    EXPECT_EQ(command.Visible(), 255);
    command.FontColour();
    EXPECT_TRUE(command.Enabled());
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Normal, P::Normal, P::Normal}));
    EXPECT_EQ(command.buttonState(), StateHover) << "the hover look is lost until the next transition";

    command.SetEnabled(false);
    face.Take();
    EXPECT_FALSE(command.Enabled());
    command.FontColour();
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Disable}));
}

TEST_F(ButtonProperties, SettersThatRepaintAndThatDoNot) {
    Load();
    face.Take();
    command.SetVisible(0);
    EXPECT_EQ(command.Visible(), 0);
    command.SetCaption("Apply");
    command.SetFont(OtherFont());
    EXPECT_TRUE(face.Take().empty());
    command.SetVisible(7);
    EXPECT_EQ(command.Visible(), 255);
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Normal, P::Normal}));
    command.SetFontColour(0x12345678);  // refused: repainted, not reported
    EXPECT_EQ(command.LblMsg().colour, 0u);
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Normal}));
    EXPECT_EQ(changed, (Keys{"Visible", "Caption", "Font", "Visible"}));
}

TEST_F(ButtonProperties, AnEmptyBagGivesAnEnabledOpaqueCommand1) {
    Load();
    EXPECT_TRUE(command.isEnabled());
    EXPECT_TRUE(command.IsOpaque());
    EXPECT_EQ(command.Caption(), "Command1");
    EXPECT_EQ(command.LblMsg().colour, 0u);
    EXPECT_EQ(command.firstRun(), 1);
    EXPECT_EQ(command.Font(), DialogFont());
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Normal}));
}

TEST_F(ButtonProperties, DefaultsAreNotStoredAndCommandComesBackAsCommand1) {
    Load();
    MapPropertyBag bag;
    command.UserControl_WriteProperties(bag, DialogFont());
    EXPECT_EQ(bag.Keys(), (Keys{"Caption"})) << "Command1 is not the writing default";

    for (const char* caption : {"Command", "Command1", ""}) {
        command.SetCaption(caption);
        MapPropertyBag saved;
        command.UserControl_WriteProperties(saved, OtherFont());
        EXPECT_EQ(saved.Contains("Caption"), std::string(caption) != "Command") << caption;
        EXPECT_TRUE(saved.Contains("Font")) << "the font differs from this container's";
        RecordingFace face2;
        Command loaded(face2, timer);
        loaded.UserControl_ReadProperties(saved, OtherFont());
        EXPECT_EQ(loaded.Caption(), std::string(caption) == "Command" ? "Command1" : caption);
    }
}

TEST_F(ButtonProperties, EveryPropertyOffItsDefaultRoundTripsInWritingOrder) {
    // A fresh control: disabled and in its first run.
    command.SetCaption("設定");
    command.SetFont(OtherFont());
    command.SetVisible(0);
    MapPropertyBag bag;
    command.UserControl_WriteProperties(bag, DialogFont());
    EXPECT_EQ(bag.Keys(), (Keys{"Enabled", "Caption", "FirstRun", "Font", "Visible"}));

    RecordingFace face2;
    Command loaded(face2, timer);
    loaded.UserControl_ReadProperties(bag, DialogFont());
    EXPECT_FALSE(loaded.isEnabled());
    EXPECT_EQ(loaded.firstRun(), 0);
    EXPECT_EQ(loaded.Caption(), "設定");
    EXPECT_EQ(loaded.Font(), OtherFont());
    EXPECT_FALSE(loaded.IsOpaque());
    EXPECT_TRUE(face2.Take().empty()) << "RefreshNormal does nothing while disabled";

    loaded.Enabled();
    loaded.SetFontColour(0x00FF00);
    MapPropertyBag bag2;
    loaded.UserControl_WriteProperties(bag2, DialogFont());
    EXPECT_EQ(bag2.Keys(), (Keys{"Caption", "Font", "FontColour", "Visible"}));
    EXPECT_EQ(bag2.Find("FontColour"), PropertyValue(std::int32_t{0x00FF00}));
}

TEST_F(ButtonProperties, StoredValuesOfTheWrongKindOrRangeAreSkipped) {
    Load({{"Enabled", std::string("yes")},
          {"Caption", std::int32_t{5}},
          {"FirstRun", std::int32_t{300}},
          {"FontColour", std::int32_t{0x12000000}},
          {"Visible", std::int32_t{2}},
          {"Font", true}});
    // Each failed step leaves the property as the fresh control had it.
    EXPECT_FALSE(command.isEnabled());
    EXPECT_EQ(command.Caption(), "Command");
    EXPECT_EQ(command.firstRun(), 0);
    EXPECT_EQ(command.LblMsg().colour, 0u);
    EXPECT_TRUE(command.IsOpaque());
    EXPECT_EQ(command.Font(), DialogFont());
}

}  // namespace
}  // namespace morvantis::button
