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
    font.weight = 700;
    font.italic = true;
    font.charset = 0;
    return font;
}

class ButtonPropertiesTest : public ::testing::Test {
protected:
    ButtonPropertiesTest() {
        command.OnPropertyChanged([this](const std::string& key) { changed.push_back(key); });
    }

    void Load(std::vector<std::pair<std::string, PropertyValue>> entries) {
        MapPropertyBag bag(std::move(entries));
        command.UserControl_ReadProperties(bag, DialogFont());
    }

    RecordingFace face;
    FakeTimer timer;
    Command command{face, timer};
    Keys changed;
};

TEST_F(ButtonPropertiesTest, AFreshControlLooksDisabledUntilEnabledIsFirstRead) {
    command.UserControl_Resize();
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Disable}));
    EXPECT_FALSE(command.LblMsg().enabled);
    EXPECT_EQ(command.firstRun(), 0);

    EXPECT_TRUE(command.Enabled());
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Normal}));
    EXPECT_TRUE(command.LblMsg().enabled);
    EXPECT_EQ(command.firstRun(), 1);
    EXPECT_EQ(command.buttonState(), StateNone);
    EXPECT_TRUE(changed.empty()) << "reading reports nothing";
}

TEST_F(ButtonPropertiesTest, UntilTheFirstRunEndsTheCaptionStaysBlack) {
    command.SetEnabled(true);  // enabled, but firstRun still 0
    command.SetFontColour(0x0000FF);
    EXPECT_EQ(command.LblMsg().colour, 0u);
    EXPECT_EQ(changed, (Keys{"Enabled", "FontColour"}));

    command.Enabled();  // ends the first run
    command.SetFontColour(0x0000FF);
    EXPECT_EQ(command.FontColour(), 0x0000FFu);
}

TEST_F(ButtonPropertiesTest, ARefusedColourRepaintsButIsNotReported) {
    Load({});
    face.Take();
    command.SetFontColour(0x12345678);
    EXPECT_EQ(command.LblMsg().colour, 0u);
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Normal}));
    EXPECT_TRUE(changed.empty());
    command.SetFontColour(0x80000012);  // a system colour is accepted
    EXPECT_EQ(command.LblMsg().colour, 0x80000012u);
}

TEST_F(ButtonPropertiesTest, ReadingPropertiesRepaintsWithoutChangingTheState) {
    Load({});
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
    EXPECT_EQ(command.FontColour(), 0u);
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Disable}));
}

TEST_F(ButtonPropertiesTest, VisibleSwitchesBetweenOpaqueAndTransparent) {
    Load({});
    face.Take();
    command.SetVisible(0);
    EXPECT_FALSE(command.IsOpaque());
    EXPECT_EQ(command.Visible(), 0);
    EXPECT_TRUE(face.Take().empty());
    command.SetVisible(7);
    EXPECT_TRUE(command.IsOpaque());
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Normal}));
    EXPECT_EQ(command.Visible(), 255);
    EXPECT_EQ(changed, (Keys{"Visible", "Visible"}));
}

TEST_F(ButtonPropertiesTest, CaptionAndFontChangeWithoutRepaint) {
    Load({});
    face.Take();
    int redraws = 0;
    command.OnAppearanceChanged([&] { ++redraws; });
    command.SetCaption("Apply");
    command.SetFont(OtherFont());
    EXPECT_EQ(command.Caption(), "Apply");
    EXPECT_EQ(command.Font(), OtherFont());
    EXPECT_TRUE(face.Take().empty());
    EXPECT_EQ(redraws, 2) << "the caption is drawn again at once";
    EXPECT_EQ(changed, (Keys{"Caption", "Font"}));
}

TEST_F(ButtonPropertiesTest, AnEmptyBagGivesAnEnabledOpaqueCommand1) {
    Load({});
    EXPECT_TRUE(command.isEnabled());
    EXPECT_TRUE(command.IsOpaque());
    EXPECT_EQ(command.Caption(), "Command1");
    EXPECT_EQ(command.LblMsg().colour, 0u);
    EXPECT_EQ(command.firstRun(), 1);
    EXPECT_EQ(command.Font(), DialogFont());
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Normal}));
}

TEST_F(ButtonPropertiesTest, DefaultsAreNotStored) {
    Load({});
    MapPropertyBag bag;
    command.UserControl_WriteProperties(bag, DialogFont());
    EXPECT_EQ(bag.Keys(), (Keys{"Caption"})) << "Command1 differs from the writing default";

    command.SetCaption("Command");
    MapPropertyBag bag2;
    command.UserControl_WriteProperties(bag2, OtherFont());
    EXPECT_EQ(bag2.Keys(), (Keys{"Font"})) << "the font differs from this container's";
    EXPECT_EQ(face.TakePictures().back(), P::Normal) << "writing ends with a repaint";
}

TEST_F(ButtonPropertiesTest, CommandComesBackAsCommand1) {
    for (const char* caption : {"Command", "Command1", ""}) {
        SCOPED_TRACE(caption);
        Load({});
        command.SetCaption(caption);
        MapPropertyBag bag;
        command.UserControl_WriteProperties(bag, DialogFont());
        RecordingFace face2;
        Command loaded(face2, timer);
        loaded.UserControl_ReadProperties(bag, DialogFont());
        EXPECT_EQ(loaded.Caption(), std::string(caption) == "Command" ? "Command1" : caption);
    }
}

TEST_F(ButtonPropertiesTest, EveryPropertyOffItsDefaultRoundTripsInWritingOrder) {
    // A fresh control: disabled and firstRun 0.
    command.SetCaption("設定");
    command.SetFont(OtherFont());
    command.SetVisible(0);
    MapPropertyBag bag;
    command.UserControl_WriteProperties(bag, DialogFont());
    EXPECT_EQ(bag.Keys(), (Keys{"Enabled", "Caption", "FirstRun", "Font", "Visible"}));
    EXPECT_EQ(bag.Find("Enabled"), PropertyValue(false));
    EXPECT_EQ(bag.Find("FirstRun"), PropertyValue(std::int32_t{0}));

    RecordingFace face2;
    Command loaded(face2, timer);
    loaded.UserControl_ReadProperties(bag, DialogFont());
    EXPECT_FALSE(loaded.isEnabled());
    EXPECT_EQ(loaded.firstRun(), 0);
    EXPECT_EQ(loaded.Caption(), "設定");
    EXPECT_EQ(loaded.Font(), OtherFont());
    EXPECT_FALSE(loaded.IsOpaque());
    EXPECT_TRUE(face2.Take().empty()) << "RefreshNormal does nothing while disabled";

    loaded.SetEnabled(true);
    loaded.Enabled();
    loaded.SetFontColour(0x00FF00);
    MapPropertyBag bag2;
    loaded.UserControl_WriteProperties(bag2, DialogFont());
    EXPECT_EQ(bag2.Keys(), (Keys{"Caption", "Font", "FontColour", "Visible"}));
    EXPECT_EQ(bag2.Find("FontColour"), PropertyValue(std::int32_t{0x00FF00}));
}

TEST_F(ButtonPropertiesTest, StoredValuesOfTheWrongKindOrRangeAreSkipped) {
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

TEST(ButtonPropertyBag, WritingADefaultRemovesAnEarlierValue) {
    MapPropertyBag bag;
    bag.WriteProperty("Visible", std::int32_t{0}, std::int32_t{1});
    EXPECT_TRUE(bag.Contains("Visible"));
    bag.WriteProperty("Visible", std::int32_t{1}, std::int32_t{1});
    EXPECT_FALSE(bag.Contains("Visible"));
    EXPECT_EQ(bag.ReadProperty("Visible", std::int32_t{1}), PropertyValue(std::int32_t{1}));
}

}  // namespace
}  // namespace morvantis::button
