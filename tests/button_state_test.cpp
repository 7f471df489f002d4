// The button's state machine: pointer, focus and the hover poll drive buttonState, the picture
// painted, the gradient direction and Click.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/button/command.h"
#include "host/button/fake_face.h"

namespace morvantis::button {
namespace {

using P = StatePicture;
using Pictures = std::vector<StatePicture>;

// A button of the dialog: loaded from its stored properties and sized, then brought to `state`
// by the pointer and the focus (StateNone: not initialised).
struct Button {
    explicit Button(int state) {
        command.OnClick([this] { ++clicks; });
        MapPropertyBag bag;
        command.UserControl_ReadProperties(bag, DialogFont());
        command.UserControl_Resize();
        if (state != StateNone) command.Initialize();
        if (state == StateFocused || state == StateFocusedHover) command.UserControl_GotFocus();
        if (state == StateHover || state == StateFocusedHover) Move();
        face.Take();
    }
    void Move() { command.UserControl_MouseMove(0, 0, 10, 10); }
    void Down(std::int16_t button = kLeftButton) { command.UserControl_MouseDown(button, 0, 10, 10); }
    void Up(std::int16_t button = kLeftButton) { command.UserControl_MouseUp(button, 0, 10, 10); }
    void Poll(bool over_it = false) { command.TmrMouse_Timer(over_it); }

    RecordingFace face;
    FakeTimer timer;
    Command command{face, timer};
    int clicks = 0;
};

TEST(ButtonStates, EveryEventFromEveryState) {
    struct Row {
        const char* event;
        int from, to;
        Pictures painted;
        bool click;
    };
    const std::vector<Row> rows = {
        {"move", StateNone, StateNone, {}, false},
        {"move", StateNormal, StateHover, {P::HighLight}, false},
        {"move", StateHover, StateHover, {}, false},
        {"move", StateFocused, StateFocusedHover, {P::HighLightSelect}, false},
        {"left down", StateNormal, StateNormal, {P::Pressed}, false},
        {"left up", StateNone, StateNone, {}, true},
        {"left up", StateNormal, StateNormal, {}, true},
        {"left up", StateHover, StateHover, {P::Normal}, true},
        {"left up", StateFocused, StateFocused, {}, false},
        {"left up", StateFocusedHover, StateFocusedHover, {P::HighLightSelect}, true},
        {"right down", StateHover, StateHover, {}, false},
        {"right up", StateHover, StateHover, {}, true},
        {"right up", StateFocused, StateFocused, {}, false},
        {"middle up", StateFocusedHover, StateFocusedHover, {}, true},
        {"got focus", StateNone, StateFocused, {P::Selected}, false},
        {"got focus", StateHover, StateFocusedHover, {P::Pressed}, false},
        {"got focus", StateFocusedHover, StateFocused, {P::Selected}, false},
        {"lost focus", StateNone, StateNormal, {P::Normal}, false},
        {"lost focus", StateNormal, StateNormal, {}, false},
        {"lost focus", StateFocusedHover, StateNormal, {P::Normal}, false},
        {"poll elsewhere", StateHover, StateNormal, {P::Normal}, false},
        {"poll elsewhere", StateFocused, StateFocused, {}, false},
        {"poll elsewhere", StateFocusedHover, StateFocused, {P::Selected}, false},
        {"poll over it", StateFocusedHover, StateFocusedHover, {}, false},
        {"resize", StateFocusedHover, StateFocusedHover, {P::Normal}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.event) + " from state " + std::to_string(row.from));
        Button b(row.from);
        const std::string e = row.event;
        if (e == "move") b.Move();
        if (e == "left down") b.Down();
        if (e == "left up") b.Up();
        if (e == "right down") b.Down(kRightButton);
        if (e == "right up") b.Up(kRightButton);
        if (e == "middle up") b.Up(kMiddleButton);
        if (e == "got focus") b.command.UserControl_GotFocus();
        if (e == "lost focus") b.command.UserControl_LostFocus();
        if (e == "poll elsewhere") b.Poll();
        if (e == "poll over it") b.Poll(true);
        if (e == "resize") b.command.UserControl_Resize();
        EXPECT_EQ(b.command.buttonState(), row.to);
        EXPECT_EQ(b.face.TakePictures(), row.painted);
        EXPECT_EQ(b.clicks, row.click ? 1 : 0);
        EXPECT_EQ(b.command.leftButtonDown(), e == "left down");
    }
}

TEST(ButtonStates, ClickOnAnUnfocusedButtonKeepsTheReversedGradientUntilThePointerLeaves) {
    for (const bool focus_first : {true, false}) {
        SCOPED_TRACE(focus_first ? "focus before the button-down" : "button-down before the focus");
        Button b(StateHover);
        if (focus_first) b.command.UserControl_GotFocus();
        b.Down();
        if (!focus_first) b.command.UserControl_GotFocus();
        b.Up();
        const auto paints = b.face.Take();
        ASSERT_EQ(paints.size(), 3u);
        EXPECT_EQ(paints[0].picture, P::Pressed);
        EXPECT_EQ(paints[2].picture, P::HighLightSelect);
        for (const auto& p : paints) EXPECT_TRUE(p.reversed) << "state 4 keeps the hover's direction";
        EXPECT_EQ(b.clicks, 1);

        b.Poll();
        const auto left = b.face.Take();
        ASSERT_EQ(left.size(), 1u);
        EXPECT_EQ(left[0].picture, P::Selected);
        EXPECT_FALSE(left[0].reversed);
    }
    Button focused(StateFocused);  // focus first, pointer later: the normal direction
    focused.Move();
    EXPECT_FALSE(focused.face.Take().at(0).reversed);
}

TEST(ButtonStates, DraggingOutWhilePressedEndsWithoutClick) {
    Button b(StateFocusedHover);
    b.Down();
    b.Poll();  // the pointer left with the button held
    EXPECT_EQ(b.command.buttonState(), StateFocused);
    b.Move();  // back in: no return to 4 while the button is held
    b.Up();
    EXPECT_EQ(b.command.buttonState(), StateFocused);
    EXPECT_EQ(b.face.TakePictures(), (Pictures{P::Pressed, P::Selected}));
    EXPECT_EQ(b.clicks, 0);
    b.Move();
    EXPECT_EQ(b.command.buttonState(), StateFocusedHover);
}

TEST(ButtonStates, ADisabledButtonIgnoresPointerFocusAndPoll) {
    Button b(StateHover);
    b.command.SetEnabled(false);
    EXPECT_EQ(b.face.TakePictures(), (Pictures{P::Disable}));
    b.Move();
    b.Down();
    b.Up();
    b.Up(kRightButton);
    b.command.UserControl_GotFocus();
    b.command.UserControl_LostFocus();
    b.Poll();
    EXPECT_EQ(b.command.buttonState(), StateHover);
    EXPECT_FALSE(b.command.leftButtonDown());
    EXPECT_TRUE(b.face.Take().empty());
    EXPECT_EQ(b.clicks, 0);
    b.command.UserControl_Resize();
    EXPECT_EQ(b.face.TakePictures(), (Pictures{P::Disable}));
    EXPECT_FALSE(b.command.LblMsg().enabled);
}

TEST(ButtonStates, InitializeStartsThePollAndAgainOnlyResetsTheState) {
    Button b(StateNone);
    EXPECT_TRUE(b.timer.starts.empty());
    b.command.Initialize();
    b.Move();
    b.face.Take();
    b.command.Initialize();
    EXPECT_EQ(b.command.buttonState(), StateNormal);
    EXPECT_TRUE(b.face.Take().empty()) << "Initialize does not repaint";
    EXPECT_EQ(b.timer.starts, (std::vector<std::uint32_t>{100, 100}));
}

TEST(ButtonStates, TheClickHandlerMayDestroyTheButton) {
    RecordingFace face;
    FakeTimer timer;
    auto owned = std::make_unique<Command>(face, timer);
    owned->SetEnabled(true);
    owned->OnClick([&] { owned.reset(); });
    owned->UserControl_MouseUp(kLeftButton, 0, 0, 0);  // the sanitizers watch what follows
    EXPECT_EQ(owned, nullptr);
}

}  // namespace
}  // namespace morvantis::button
