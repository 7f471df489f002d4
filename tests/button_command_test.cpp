// The button's core: pointer, focus and the hover poll drive buttonState, the pictures painted,
// the gradient direction and Click; the caption box; its properties, the repaints and redraws
// they cause and their persistence in a property bag.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "host/button/command.h"
#include "host/button/fake_face.h"

namespace morvantis::button {
namespace {

using Keys = std::vector<std::string>;

// The paints since the last call, as "HighLight~ Normal": "~" marks a reversed gradient.
std::string Painted(RecordingFace& face) {
    std::string text;
    for (const RecordingFace::Paint& p : face.Take())
        text += std::string(text.empty() ? "" : " ") + StatePictureName(*p.picture) + (p.reversed ? "~" : "");
    return text;
}

// A button of the dialog: loaded from an empty bag and sized, then brought to `state` by the
// pointer and the focus (StateNone: not initialised).
struct Button {
    explicit Button(int state) {
        command.OnClick([this] { ++clicks; });
        MapPropertyBag bag;
        command.UserControl_ReadProperties(bag, DialogFont());
        command.UserControl_Resize();
        if (state != StateNone) command.Initialize();
        if (state == StateFocused || state == StateFocusedHover) command.UserControl_GotFocus();
        if (state == StateHover || state == StateFocusedHover) Do("move");
        face.Take();
    }
    // Space-separated events; "press" and "release" are the left button's.
    void Do(const std::string& events) {
        std::istringstream in(events);
        for (std::string e; in >> e;) {
            Command& c = command;
            if (e == "move") c.UserControl_MouseMove(0, 0, 10, 10);
            else if (e == "press") c.UserControl_MouseDown(kLeftButton, 0, 10, 10);
            else if (e == "release") c.UserControl_MouseUp(kLeftButton, 0, 10, 10);
            else if (e == "right-press") c.UserControl_MouseDown(kRightButton, 0, 10, 10);
            else if (e == "right-release") c.UserControl_MouseUp(kRightButton, 0, 10, 10);
            else if (e == "middle-release") c.UserControl_MouseUp(kMiddleButton, 0, 10, 10);
            else if (e == "focus") c.UserControl_GotFocus();
            else if (e == "blur") c.UserControl_LostFocus();
            else if (e == "poll-away") c.TmrMouse_Timer(false);
            else if (e == "poll-over") c.TmrMouse_Timer(true);
            else if (e == "resize") c.UserControl_Resize();
            else if (e == "disable") c.SetEnabled(false);
            else if (e == "initialize") c.Initialize();
            else if (e == "read-properties") c.Visible(), c.FontColour(), c.Enabled();
            else ADD_FAILURE() << "no event " << e;
        }
    }

    RecordingFace face;
    FakeTimer timer;
    Command command{face, timer};
    int clicks = 0;
};

TEST(ButtonStates, EventsFromEveryState) {
    const struct {
        int from;
        const char* events;
        int to;
        const char* painted;
        int clicks;
    } rows[] = {
        {StateNone, "move", StateNone, "", 0},             {StateNormal, "move", StateHover, "HighLight~", 0},
        {StateHover, "move", StateHover, "", 0},           {StateNormal, "press", StateNormal, "Pressed", 0},
        {StateFocused, "move", StateFocusedHover, "HighLightSelect", 0},  // focus first: not reversed
        {StateNone, "release", StateNone, "", 1},          {StateNormal, "release", StateNormal, "", 1},
        {StateHover, "release", StateHover, "Normal~", 1}, {StateFocused, "release", StateFocused, "", 0},
        {StateFocusedHover, "release", StateFocusedHover, "HighLightSelect", 1},
        {StateHover, "right-press", StateHover, "", 0},    {StateHover, "right-release", StateHover, "", 1},
        {StateFocused, "right-release", StateFocused, "", 0},
        {StateFocusedHover, "middle-release", StateFocusedHover, "", 1},
        {StateNone, "focus", StateFocused, "Selected", 0},
        {StateHover, "focus", StateFocusedHover, "Pressed~", 0},  // focus from the keyboard
        {StateFocusedHover, "focus", StateFocused, "Selected", 0}, {StateNone, "blur", StateNormal, "Normal", 0},
        {StateNormal, "blur", StateNormal, "", 0},         {StateFocusedHover, "blur", StateNormal, "Normal", 0},
        {StateHover, "poll-away", StateNormal, "Normal", 0}, {StateFocused, "poll-away", StateFocused, "", 0},
        {StateFocusedHover, "poll-away", StateFocused, "Selected", 0},
        {StateFocusedHover, "poll-over", StateFocusedHover, "", 0},
        {StateFocusedHover, "resize", StateFocusedHover, "Normal", 0},
        // A click on an unfocused button keeps the hover's direction until the pointer leaves,
        // whether the focus comes before the press or after it.
        {StateHover, "focus press release poll-away", StateFocused, "Pressed~ Pressed~ HighLightSelect~ Selected", 1},
        {StateHover, "press focus release poll-away", StateFocused, "Pressed~ Pressed~ HighLightSelect~ Selected", 1},
        // Dragged out while pressed: no return to 4 while the button is held, and no Click.
        {StateFocusedHover, "press poll-away move release move", StateFocusedHover,
         "Pressed Selected HighLightSelect", 0},
        // Reading a property repaints the normal look; the state stays, though it no longer shows.
        {StateHover, "read-properties", StateHover, "Normal~ Normal~ Normal~", 0},
        // Initialize again: the state is reset without a repaint.
        {StateFocusedHover, "initialize", StateNormal, "", 0},
        // Disabled: pointer, focus and poll are ignored; a resize paints Disable again.
        {StateHover, "disable move press release right-release focus blur poll-away resize", StateHover,
         "Disable~ Disable~", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.events) + " from state " + std::to_string(row.from));
        Button b(row.from);
        b.Do(row.events);
        EXPECT_EQ(b.command.buttonState(), row.to);
        EXPECT_EQ(Painted(b.face), row.painted);
        EXPECT_EQ(b.clicks, row.clicks);
        EXPECT_EQ(b.command.leftButtonDown(), std::string(row.events) == "press");
        // Every Initialize (re)starts the hover poll.
        const std::size_t polls = (row.from != StateNone) + (std::string(row.events) == "initialize");
        EXPECT_EQ(b.timer.starts, std::vector<std::uint32_t>(polls, kPollIntervalMs));
    }
}

TEST(ButtonStates, TheClickHandlerMayDestroyTheButton) {
    RecordingFace face;
    FakeTimer timer;
    auto owned = std::make_unique<Command>(face, timer);
    owned->SetEnabled(true);
    owned->OnClick([&] { owned.reset(); });  // as "設定" and "ｷｬﾝｾﾙ" close the dialog
    owned->UserControl_MouseUp(kLeftButton, 0, 0, 0);  // the sanitizers watch what follows
    EXPECT_EQ(owned, nullptr);
}

TEST(ButtonCaption, TheBoxKeepsItsHeightAndSitsHalfTheFreeHeightLessTwentyTwipsDown) {
    for (const auto& [w, h, top, topPixel] : {std::tuple{81, 25, 80.0, 5}, {41, 21, 50.0, 3}}) {
        RecordingFace face({w, h});
        FakeTimer timer;
        Command command(face, timer);
        command.UserControl_Resize();
        const CaptionLabel& box = command.LblMsg();
        EXPECT_EQ(std::make_tuple(box.left, box.top, box.width, box.height, box.BoxPixels().y, box.BoxPixels().height),
                  std::make_tuple(0.0, top, w * 15.0, 195.0, topPixel, 13));
    }
}

const CaptionFont kOtherFont{"Tahoma", 8.25, 400, true};

// What a control stores, to compare two controls by.
auto Stored(const Command& c) {
    return std::make_tuple(c.isEnabled(), int{c.firstRun()}, c.Caption(), c.Font(), c.IsOpaque(), c.LblMsg().colour);
}

class ButtonProperties : public ::testing::Test {
protected:
    ButtonProperties() {
        command.OnPropertyChanged([this](const std::string& key) { changed.push_back(key); });
        command.OnAppearanceChanged([this] { ++redraws; });
    }
    // Writes the control into a bag, checks the stored keys and reads it into a new control.
    std::unique_ptr<Command> RoundTrip(const Keys& keys, const CaptionFont& ambient = DialogFont()) {
        MapPropertyBag bag;
        command.UserControl_WriteProperties(bag, ambient);
        EXPECT_EQ(bag.Keys(), keys);
        auto loaded = std::make_unique<Command>(otherFace, timer);
        loaded->UserControl_ReadProperties(bag, ambient);
        return loaded;
    }

    RecordingFace face, otherFace;
    FakeTimer timer;
    Command command{face, timer};
    Keys changed;
    int redraws = 0;
};

TEST_F(ButtonProperties, EachSetterRepaintsReportsAndRedrawsAsItShould) {
    command.UserControl_Resize();
    EXPECT_EQ(std::make_pair(Painted(face), command.LblMsg().enabled), std::make_pair(std::string("Disable"), false));
    command.SetEnabled(true);
    command.SetFontColour(0x0000FF);
    EXPECT_EQ(command.LblMsg().colour, 0u) << "black until Enabled is first read";
    EXPECT_TRUE(command.Enabled());
    command.SetEnabled(false);
    command.SetEnabled(true);
    EXPECT_TRUE(command.LblMsg().enabled) << "enabled again, the caption too";
    const struct {
        void (*set)(Command&);
        const char* painted;  // the repaints it causes
        int redraws;          // how often it tells the window to draw the caption or face again
        std::uint8_t visible;
    } setters[] = {
        {[](Command& c) { c.SetFontColour(0x80000000); }, "Normal", 1, 255},  // the first system colour
        {[](Command& c) { c.SetFontColour(0x80000018); }, "Normal", 1, 255},  // the last system colour
        {[](Command& c) { c.SetFontColour(0x80000019); }, "Normal", 0, 255},  // refused: not reported
        {[](Command& c) { c.SetFontColour(0x01000000); }, "Normal", 0, 255},
        {[](Command& c) { c.SetCaption("設定"); }, "", 1, 255},
        {[](Command& c) { c.SetFont(kOtherFont); }, "", 1, 255},
        {[](Command& c) { c.SetVisible(0); }, "", 1, 0},
        {[](Command& c) { c.SetVisible(7); }, "Normal", 1, 255},
    };
    for (const auto& s : setters) {
        face.Take();
        redraws = 0;
        s.set(command);
        EXPECT_EQ(std::make_pair(Painted(face), redraws), std::make_pair(std::string(s.painted), s.redraws))
            << &s - setters;
        EXPECT_EQ(command.Visible(), s.visible);
    }
    EXPECT_EQ(command.FontColour(), 0x80000018u);
    EXPECT_EQ(changed, (Keys{"Enabled", "FontColour", "Enabled", "Enabled", "FontColour", "FontColour", "Caption",
                             "Font", "Visible", "Visible"}));
}

TEST_F(ButtonProperties, DefaultsAreNotStoredAndEverythingElseRoundTrips) {
    // A fresh control, off every default: disabled, in its first run, transparent.
    command.SetCaption("設定");
    command.SetFont(kOtherFont);
    command.SetVisible(0);
    EXPECT_EQ(Stored(*RoundTrip({"Enabled", "Caption", "FirstRun", "Font", "Visible"})), Stored(command));
    command.Enabled();
    command.SetFontColour(0x00FF00);
    EXPECT_EQ(Stored(*RoundTrip({"Caption", "Font", "FontColour", "Visible"})), Stored(command));

    // An empty bag gives an enabled, opaque "Command1" in the container's font, and only its
    // caption is stored: "Command" is the writing default, so it comes back as "Command1".
    MapPropertyBag empty;
    command.UserControl_ReadProperties(empty, DialogFont());
    EXPECT_EQ(std::make_tuple(DialogFont().size_points, DialogFont().weight, DialogFont().charset),
              std::make_tuple(9.75, 400, 128));  // 9.75 pt, regular, Shift-JIS
    EXPECT_EQ(Stored(command), std::make_tuple(true, 1, std::string("Command1"), DialogFont(), true, 0u));
    EXPECT_EQ(Stored(*RoundTrip({"Caption"})), Stored(command));
    command.SetCaption("");
    EXPECT_EQ(RoundTrip({"Caption", "Font"}, kOtherFont)->Caption(), "");
    command.SetCaption("Command");
    EXPECT_EQ(RoundTrip({"Font"}, kOtherFont)->Caption(), "Command1");
}

}  // namespace
}  // namespace morvantis::button
