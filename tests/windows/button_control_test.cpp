// The button as a real child window: messages drive its states, its face and Click, the hover
// poll ends the hover look, keys do nothing, and the window shows the face with its caption.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "host/button/fake_face.h"
#include "host/button/pixel_surface.h"
#include "host/button/win32_command_button.h"

namespace morvantis::button {
namespace {

constexpr COLORREF kParentColour = RGB(10, 120, 30);
const POINT kFarAway = {1000, 740};  // away from every window of the test

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

class ButtonControlTest : public ::testing::Test {
protected:
    // One parent window for all tests: creating and destroying top-level windows is slow here.
    static void SetUpTestSuite() {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hbrBackground = CreateSolidBrush(kParentColour);
        wc.lpszClassName = L"ButtonTestParent";
        RegisterClassExW(&wc);
        parent = CreateWindowExW(0, L"ButtonTestParent", L"button test", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE,
                                 40, 40, 320, 200, nullptr, nullptr, nullptr, nullptr);
        Pump();
    }
    static void TearDownTestSuite() { DestroyWindow(parent); }

    void SetUp() override {
        ASSERT_NE(parent, nullptr);
        SetCursorPos(kFarAway.x, kFarAway.y);
        SetFocus(parent);
        wide = CommandButton::Create(parent, 101, 10, 10, 81, 25, "Apply");
        small = CommandButton::Create(parent, 102, 10, 50, 41, 21, "...");
        ASSERT_TRUE(wide && small);
        wide->OnClick([this] { ++clicks; });
        Pump();
    }

    static LRESULT Send(CommandButton& b, UINT message, WPARAM w = 0) {
        return SendMessageW(b.Hwnd(), message, w, MAKELPARAM(20, 10));
    }
    // One tick of the hover poll, with the pointer where it is now.
    static void Poll(CommandButton& b) { Send(b, WM_TIMER, 1); }

    // The face must be what the native raster paints for the picture and direction.
    static void ExpectFace(CommandButton& b, StatePicture picture, bool reversed) {
        RECT r;
        GetClientRect(b.Hwnd(), &r);
        PixelSurface face(r.right, r.bottom);
        PaintLikeTheControl(face, picture, reversed);
        EXPECT_TRUE(b.FacePixels() == face.Pixels()) << StatePictureName(picture) << (reversed ? ", reversed" : "");
    }

    // The window as it shows on screen, rows from the top.
    static std::vector<COLORREF> Shown(CommandButton& b) {
        UpdateWindow(b.Hwnd());
        std::vector<COLORREF> pixels;
        HDC dc = GetDC(b.Hwnd());
        for (int y = 0; y < 25; ++y)
            for (int x = 0; x < 81; ++x) pixels.push_back(GetPixel(dc, x, y));
        ReleaseDC(b.Hwnd(), dc);
        return pixels;
    }

    static inline HWND parent = nullptr;
    std::unique_ptr<CommandButton> wide, small;
    int clicks = 0;
};

TEST_F(ButtonControlTest, ACreatedButtonIsPaintedNormalClickedWhileUnfocusedAndPolled) {
    EXPECT_EQ(wide->Core().buttonState(), StateNone);
    EXPECT_TRUE(wide->Core().isEnabled());
    EXPECT_EQ(wide->Core().Caption(), "Apply");
    EXPECT_EQ(wide->Core().Font(), DialogFont());
    EXPECT_EQ(GetDlgCtrlID(wide->Hwnd()), 101);
    ExpectFace(*wide, StatePicture::Normal, false);
    ExpectFace(*small, StatePicture::Normal, false);

    wide->Initialize();
    Send(*wide, WM_MOUSEMOVE);
    EXPECT_EQ(wide->Core().buttonState(), StateHover);
    ExpectFace(*wide, StatePicture::HighLight, true);

    Send(*wide, WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(GetFocus(), wide->Hwnd()) << "the press takes the focus";
    EXPECT_EQ(GetCapture(), wide->Hwnd());
    EXPECT_EQ(wide->Core().buttonState(), StateFocusedHover);
    ExpectFace(*wide, StatePicture::Pressed, true);

    Send(*wide, WM_LBUTTONUP);
    EXPECT_EQ(clicks, 1);
    EXPECT_NE(GetCapture(), wide->Hwnd());
    ExpectFace(*wide, StatePicture::HighLightSelect, true);

    // The hover poll: the pointer on the caption is still on the button, on the other button
    // it is not.
    RECT r;
    GetWindowRect(wide->Hwnd(), &r);
    SetCursorPos((r.left + r.right) / 2, r.top + 10);
    Poll(*wide);
    EXPECT_EQ(wide->Core().buttonState(), StateFocusedHover);
    GetWindowRect(small->Hwnd(), &r);
    SetCursorPos(r.left + 5, r.top + 5);
    Poll(*wide);
    EXPECT_EQ(wide->Core().buttonState(), StateFocused);
    ExpectFace(*wide, StatePicture::Selected, false);

    SetFocus(small->Hwnd());
    EXPECT_EQ(wide->Core().buttonState(), StateNormal);
    ExpectFace(*wide, StatePicture::Normal, false);
    EXPECT_EQ(small->Core().buttonState(), StateFocused);
    ExpectFace(*small, StatePicture::Selected, false);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonControlTest, OtherButtonsClickWithoutFocusKeysDoNothingAndDisabledIgnoresAll) {
    wide->Initialize();
    Send(*wide, WM_RBUTTONDOWN, MK_RBUTTON);
    Send(*wide, WM_RBUTTONUP);
    Send(*wide, WM_MBUTTONUP);
    EXPECT_EQ(clicks, 2);
    EXPECT_NE(GetFocus(), wide->Hwnd());
    ExpectFace(*wide, StatePicture::Normal, false);

    SetFocus(wide->Hwnd());
    for (const WPARAM key : {WPARAM{VK_SPACE}, WPARAM{VK_RETURN}}) {
        PostMessageW(wide->Hwnd(), WM_KEYDOWN, key, 1);  // translated into WM_CHAR as well
        PostMessageW(wide->Hwnd(), WM_KEYUP, key, 0xC0000001);
    }
    Pump();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(wide->Core().buttonState(), StateFocused);

    SetFocus(parent);
    wide->SetEnabled(false);
    ExpectFace(*wide, StatePicture::Disable, false);
    for (const UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP}) Send(*wide, message);
    EXPECT_EQ(clicks, 2);
    EXPECT_NE(GetFocus(), wide->Hwnd());
    EXPECT_EQ(wide->Core().buttonState(), StateNormal);
    ExpectFace(*wide, StatePicture::Disable, false);
}

TEST_F(ButtonControlTest, TheWindowShowsTheFaceUnderTheCaptionOrTheParentWhenTransparent) {
    const std::vector<COLORREF> shown = Shown(*wide);
    const std::vector<Rgb8> face = wide->FacePixels();
    const PixelRect box = wide->Core().LblMsg().BoxPixels();
    int dark = 0, differing_outside_box = 0;
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 81; ++x) {
            const COLORREF c = shown[static_cast<std::size_t>(y * 81 + x)];
            const Rgb8 f = face[static_cast<std::size_t>(y * 81 + x)];
            const bool in_box = y >= box.y - 2 && y < box.y + box.height + 4;
            if (!in_box && c != RGB(f.r, f.g, f.b)) ++differing_outside_box;
            if (GetRValue(c) < 96 && GetGValue(c) < 96 && GetBValue(c) < 96 && y > 3 && y < 21) ++dark;
        }
    }
    EXPECT_EQ(differing_outside_box, 0);
    EXPECT_GT(dark, 10) << "black caption text";

    wide->SetEnabled(false);
    int black = 0;
    for (const COLORREF c : Shown(*wide)) black += GetRValue(c) < 64 && GetGValue(c) < 64 && GetBValue(c) < 64;
    EXPECT_EQ(black, 0) << "a disabled caption is grey";

    wide->Core().SetVisible(0);
    EXPECT_EQ(Shown(*wide)[81 * 24 + 80], kParentColour);
}

TEST_F(ButtonControlTest, TheClickHandlerMayDestroyTheButton) {
    const HWND hwnd = wide->Hwnd();
    wide->OnClick([this] { wide.reset(); });
    wide->Initialize();
    Send(*wide, WM_MOUSEMOVE);
    Send(*wide, WM_LBUTTONDOWN, MK_LBUTTON);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
    EXPECT_EQ(wide, nullptr);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
}  // namespace morvantis::button
