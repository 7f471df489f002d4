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

class ButtonStateTest : public ::testing::Test {
protected:
    ButtonStateTest() {
        command.OnClick([this] { ++clicks; });
        // Like a button of the dialog: loaded from its stored properties, then sized.
        MapPropertyBag bag({{"Caption", std::string("OK")}});
        command.UserControl_ReadProperties(bag, DialogFont());
        command.UserControl_Resize();
        face.Take();
    }

    // Brings an initialised button to `state` by the pointer and the focus.
    void Reach(int state) {
        command.Initialize();
        if (state == StateFocused || state == StateFocusedHover) command.UserControl_GotFocus();
        if (state == StateHover || state == StateFocusedHover) Move();
        face.Take();
        ASSERT_EQ(command.buttonState(), state);
    }

    void Move() { command.UserControl_MouseMove(0, 0, 10, 10); }
    void Down(std::int16_t button = kLeftButton) { command.UserControl_MouseDown(button, 0, 10, 10); }
    void Up(std::int16_t button = kLeftButton) { command.UserControl_MouseUp(button, 0, 10, 10); }
    void PollElsewhere() { command.TmrMouse_Timer(false); }

    RecordingFace face;
    FakeTimer timer;
    Command command{face, timer};
    int clicks = 0;
};

// One row of the transition table, tried from every state the pointer and focus can give.
struct Row {
    const char* event;
    int from;
    int to;
    Pictures painted;
    bool click;
};

TEST_F(ButtonStateTest, EveryEventFromEveryState) {
    const std::vector<Row> rows = {
        {"move", StateNone, StateNone, {}, false},
        {"move", StateNormal, StateHover, {P::HighLight}, false},
        {"move", StateHover, StateHover, {}, false},
        {"move", StateFocused, StateFocusedHover, {P::HighLightSelect}, false},
        {"move", StateFocusedHover, StateFocusedHover, {}, false},
        {"left down", StateNormal, StateNormal, {P::Pressed}, false},
        {"left down", StateFocused, StateFocused, {P::Pressed}, false},
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
        {"got focus", StateNormal, StateFocused, {P::Selected}, false},
        {"got focus", StateHover, StateFocusedHover, {P::Pressed}, false},
        {"got focus", StateFocusedHover, StateFocused, {P::Selected}, false},
        {"lost focus", StateNone, StateNormal, {P::Normal}, false},
        {"lost focus", StateNormal, StateNormal, {}, false},
        {"lost focus", StateHover, StateNormal, {P::Normal}, false},
        {"lost focus", StateFocusedHover, StateNormal, {P::Normal}, false},
        {"poll elsewhere", StateNormal, StateNormal, {}, false},
        {"poll elsewhere", StateHover, StateNormal, {P::Normal}, false},
        {"poll elsewhere", StateFocused, StateFocused, {}, false},
        {"poll elsewhere", StateFocusedHover, StateFocused, {P::Selected}, false},
        {"poll over it", StateFocusedHover, StateFocusedHover, {}, false},
        {"resize", StateFocusedHover, StateFocusedHover, {P::Normal}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.event) + " from state " + std::to_string(row.from));
        RecordingFace fresh_face;
        FakeTimer fresh_timer;
        Command c(fresh_face, fresh_timer);
        int fresh_clicks = 0;
        c.OnClick([&] { ++fresh_clicks; });
        MapPropertyBag bag;
        c.UserControl_ReadProperties(bag, DialogFont());
        if (row.from != StateNone) c.Initialize();
        if (row.from == StateFocused || row.from == StateFocusedHover) c.UserControl_GotFocus();
        if (row.from == StateHover || row.from == StateFocusedHover) c.UserControl_MouseMove(0, 0, 0, 0);
        ASSERT_EQ(c.buttonState(), row.from);
        fresh_face.Take();

        const std::string e = row.event;
        if (e == "move") c.UserControl_MouseMove(0, 0, 0, 0);
        if (e == "left down") c.UserControl_MouseDown(kLeftButton, 0, 0, 0);
        if (e == "left up") c.UserControl_MouseUp(kLeftButton, 0, 0, 0);
        if (e == "right down") c.UserControl_MouseDown(kRightButton, 0, 0, 0);
        if (e == "right up") c.UserControl_MouseUp(kRightButton, 0, 0, 0);
        if (e == "middle up") c.UserControl_MouseUp(kMiddleButton, 0, 0, 0);
        if (e == "got focus") c.UserControl_GotFocus();
        if (e == "lost focus") c.UserControl_LostFocus();
        if (e == "poll elsewhere") c.TmrMouse_Timer(false);
        if (e == "poll over it") c.TmrMouse_Timer(true);
        if (e == "resize") c.UserControl_Resize();

        EXPECT_EQ(c.buttonState(), row.to);
        EXPECT_EQ(fresh_face.TakePictures(), row.painted);
        EXPECT_EQ(fresh_clicks, row.click ? 1 : 0);
        EXPECT_EQ(c.leftButtonDown(), e == "left down");
    }
}

TEST_F(ButtonStateTest, ClickOnAnUnfocusedButtonStepByStep) {
    for (const bool focus_first : {true, false}) {
        SCOPED_TRACE(focus_first ? "focus before the button-down" : "button-down before the focus");
        Reach(StateNormal);
        Move();
        auto paints = face.Take();
        ASSERT_EQ(paints.size(), 1u);
        EXPECT_EQ(paints[0].picture, P::HighLight);
        EXPECT_TRUE(paints[0].reversed);

        if (focus_first) command.UserControl_GotFocus();
        Down();
        if (!focus_first) command.UserControl_GotFocus();
        EXPECT_EQ(command.buttonState(), StateFocusedHover);
        EXPECT_TRUE(command.leftButtonDown());
        paints = face.Take();
        ASSERT_EQ(paints.size(), 2u);
        for (const auto& p : paints) {
            EXPECT_EQ(p.picture, P::Pressed);
            EXPECT_TRUE(p.reversed) << "state 4 keeps the direction";
        }

        Up();
        paints = face.Take();
        ASSERT_EQ(paints.size(), 1u);
        EXPECT_EQ(paints[0].picture, P::HighLightSelect);
        EXPECT_TRUE(paints[0].reversed);
        EXPECT_FALSE(command.leftButtonDown());
        EXPECT_EQ(clicks, 1);

        PollElsewhere();
        paints = face.Take();
        ASSERT_EQ(paints.size(), 1u);
        EXPECT_EQ(paints[0].picture, P::Selected);
        EXPECT_FALSE(paints[0].reversed);
        EXPECT_EQ(command.buttonState(), StateFocused);

        command.UserControl_LostFocus();
        EXPECT_EQ(face.TakePictures(), (Pictures{P::Normal}));
        EXPECT_EQ(command.buttonState(), StateNormal);
        clicks = 0;
    }
}

TEST_F(ButtonStateTest, AFocusedButtonShowsHoverAndFocusOverTheNormalGradient) {
    Reach(StateFocused);
    Move();
    const auto paints = face.Take();
    ASSERT_EQ(paints.size(), 1u);
    EXPECT_EQ(paints[0].picture, P::HighLightSelect);
    EXPECT_FALSE(paints[0].reversed);
}

TEST_F(ButtonStateTest, DraggingOutWhilePressedEndsWithoutClick) {
    Reach(StateHover);
    command.UserControl_GotFocus();
    Down();
    face.Take();
    PollElsewhere();  // the pointer left with the button held
    EXPECT_EQ(command.buttonState(), StateFocused);
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Selected}));

    Move();  // back in: no return to 4 while the button is held
    EXPECT_EQ(command.buttonState(), StateFocused);
    EXPECT_TRUE(face.Take().empty());

    Up();
    EXPECT_EQ(command.buttonState(), StateFocused);
    EXPECT_TRUE(face.Take().empty());
    EXPECT_EQ(clicks, 0);

    Move();
    EXPECT_EQ(command.buttonState(), StateFocusedHover);
}

TEST_F(ButtonStateTest, PressWithoutFocusShowsNormalAfterTheRelease) {
    Reach(StateHover);
    Down();
    Up();
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Pressed, P::Normal}));
    EXPECT_EQ(command.buttonState(), StateHover);
    EXPECT_EQ(clicks, 1);
    Move();  // still hovering: nothing repaints until the poll or a focus change
    EXPECT_TRUE(face.Take().empty());
    PollElsewhere();
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Normal}));
}

TEST_F(ButtonStateTest, KeyboardFocusWhileHoveredShowsPressedUntilThePointerLeaves) {
    Reach(StateHover);
    command.UserControl_GotFocus();
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Pressed}));
    command.TmrMouse_Timer(true);
    EXPECT_TRUE(face.Take().empty());
    PollElsewhere();
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Selected}));
}

TEST_F(ButtonStateTest, ADisabledButtonIgnoresPointerFocusAndPoll) {
    Reach(StateHover);
    command.SetEnabled(false);
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Disable}));
    EXPECT_FALSE(command.LblMsg().enabled);

    Move();
    Down();
    Up();
    Down(kRightButton);
    Up(kRightButton);
    command.UserControl_GotFocus();
    command.UserControl_LostFocus();
    PollElsewhere();
    EXPECT_EQ(command.buttonState(), StateHover);
    EXPECT_FALSE(command.leftButtonDown());
    EXPECT_TRUE(face.Take().empty());
    EXPECT_EQ(clicks, 0);

    command.UserControl_Resize();
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Disable}));
    EXPECT_FALSE(command.LblMsg().enabled);
}

TEST_F(ButtonStateTest, BeforeInitializeOnlyFocusAndReleasesCount) {
    EXPECT_TRUE(timer.starts.empty());
    Move();
    EXPECT_EQ(command.buttonState(), StateNone);
    EXPECT_TRUE(face.Take().empty());
    Up(kMiddleButton);
    EXPECT_EQ(clicks, 1);
    command.UserControl_GotFocus();
    EXPECT_EQ(command.buttonState(), StateFocused);
    EXPECT_EQ(face.TakePictures(), (Pictures{P::Selected}));
}

TEST_F(ButtonStateTest, InitializeStartsThePollAndAgainOnlyResetsTheState) {
    command.Initialize();
    EXPECT_EQ(timer.starts, (std::vector<std::uint32_t>{100}));
    Move();
    face.Take();
    command.Initialize();
    EXPECT_EQ(command.buttonState(), StateNormal);
    EXPECT_TRUE(face.Take().empty()) << "Initialize does not repaint";
    EXPECT_EQ(timer.starts, (std::vector<std::uint32_t>{100, 100}));
}

TEST_F(ButtonStateTest, TheClickHandlerMayDestroyTheButton) {
    auto owned = std::make_unique<Command>(face, timer);
    owned->Initialize();
    owned->SetEnabled(true);
    owned->OnClick([&] { owned.reset(); });
    owned->UserControl_MouseMove(0, 0, 0, 0);
    owned->UserControl_MouseUp(kLeftButton, 0, 0, 0);  // the sanitizers watch what follows
    EXPECT_EQ(owned, nullptr);
}

}  // namespace
}  // namespace morvantis::button
