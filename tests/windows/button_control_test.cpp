// The button as a real child window: messages drive its states, its face and Click, the hover
// poll ends the hover look, keys do nothing, and the window shows the face with its caption.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "host/button/fake_face.h"
#include "host/button/pixel_surface.h"
#include "host/button/win32_command_button.h"

namespace morvantis::button {
namespace {

constexpr COLORREF kParentColour = RGB(10, 120, 30);

class ButtonControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hbrBackground = CreateSolidBrush(kParentColour);
        wc.lpszClassName = L"ButtonTestParent";
        RegisterClassExW(&wc);
        parent = CreateWindowExW(0, L"ButtonTestParent", L"", WS_CAPTION | WS_VISIBLE, 40, 40, 320, 200, nullptr,
                                 nullptr, nullptr, nullptr);
        SetCursorPos(1000, 740);  // away from every window of the test
        wide = CommandButton::Create(parent, 101, 10, 10, 81, 25, "Apply");
        small = CommandButton::Create(parent, 102, 10, 50, 41, 21, "...");
        ASSERT_TRUE(wide && small);
        wide->OnClick([this] { ++clicks; });
    }
    void TearDown() override { DestroyWindow(parent); }

    static void Send(CommandButton& b, UINT message, WPARAM w = 0) { SendMessageW(b.Hwnd(), message, w, MAKELPARAM(20, 10)); }
    // The face must be what the native raster paints for the picture and direction.
    static void ExpectFace(CommandButton& b, StatePicture picture, bool reversed) {
        RECT r;
        GetClientRect(b.Hwnd(), &r);
        PixelSurface face(r.right, r.bottom);
        PaintLikeTheControl(face, picture, reversed);
        EXPECT_TRUE(b.FacePixels() == face.Pixels()) << StatePictureName(picture) << (reversed ? ", reversed" : "");
    }
    // The caption's ink: where the window shows something else than the face, as its first and
    // last row, its leftmost plus rightmost column and its darkest red.
    std::vector<int> Ink() {
        UpdateWindow(wide->Hwnd());
        HDC dc = GetDC(wide->Hwnd());
        const std::vector<Rgb8> face = wide->FacePixels();
        std::vector<int> found = {99, -1, 0, 255};
        for (int i = 0, left = 99, right = -1; i < 81 * 25; ++i) {
            const Rgb8 f = face[static_cast<std::size_t>(i)];
            const COLORREF shown = GetPixel(dc, i % 81, i / 81);
            if (shown == RGB(f.r, f.g, f.b)) continue;
            found = {std::min(found[0], i / 81), i / 81, (left = std::min(left, i % 81)) + (right = std::max(right, i % 81)),
                     std::min<int>(found[3], GetRValue(shown))};
        }
        ReleaseDC(wide->Hwnd(), dc);
        return found;
    }

    HWND parent = nullptr;
    std::unique_ptr<CommandButton> wide, small;
    int clicks = 0;
};

TEST_F(ButtonControlTest, MessagesAndThePollDriveTheLooksAndClickWhileKeysDoNothing) {
    EXPECT_EQ(std::make_tuple(wide->Core().buttonState(), wide->Core().isEnabled(), wide->Core().Caption(),
                              wide->Core().Font() == DialogFont(), GetDlgCtrlID(wide->Hwnd())),
              std::make_tuple(std::uint8_t{StateNone}, true, std::string("Apply"), true, 101));
    ExpectFace(*small, StatePicture::Normal, false);
    wide->Initialize();
    Send(*wide, WM_MOUSEMOVE);
    ExpectFace(*wide, StatePicture::HighLight, true);
    Send(*wide, WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(std::make_pair(GetFocus(), GetCapture()), std::make_pair(wide->Hwnd(), wide->Hwnd())) << "the press";
    ExpectFace(*wide, StatePicture::Pressed, true);
    Send(*wide, WM_LBUTTONUP);
    EXPECT_EQ(std::make_pair(clicks, GetCapture()), std::make_pair(1, HWND{}));
    ExpectFace(*wide, StatePicture::HighLightSelect, true);
    // The hover poll: the pointer on the caption is still on the button, on the other button not.
    RECT r;
    GetWindowRect(wide->Hwnd(), &r);
    SetCursorPos((r.left + r.right) / 2, r.top + 10);
    Send(*wide, WM_TIMER, 1);
    EXPECT_EQ(wide->Core().buttonState(), StateFocusedHover);
    GetWindowRect(small->Hwnd(), &r);
    SetCursorPos(r.left + 5, r.top + 5);
    Send(*wide, WM_TIMER, 1);
    ExpectFace(*wide, StatePicture::Selected, false);
    for (const WPARAM key : {WPARAM{VK_SPACE}, WPARAM{VK_RETURN}}) {
        SendMessageW(wide->Hwnd(), WM_KEYDOWN, key, 1);
        SendMessageW(wide->Hwnd(), WM_CHAR, key, 1);
        SendMessageW(wide->Hwnd(), WM_KEYUP, key, 0xC0000001);
    }
    SetFocus(small->Hwnd());
    ExpectFace(*wide, StatePicture::Normal, false);
    ExpectFace(*small, StatePicture::Selected, false);
    for (const UINT message : {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONUP}) Send(*wide, message);
    EXPECT_EQ(clicks, 3) << "the right and middle buttons click too, without taking the focus";
    EXPECT_EQ(GetFocus(), small->Hwnd());
    wide->SetEnabled(false);
    for (const UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP}) Send(*wide, message);
    EXPECT_EQ(std::make_pair(clicks, GetFocus()), std::make_pair(3, small->Hwnd())) << "disabled";
    ExpectFace(*wide, StatePicture::Disable, false);
}

TEST_F(ButtonControlTest, TheCaptionIsDrawnCentredInItsBoxOverTheFaceOrTheParentsBackground) {
    const std::vector<int> enabled = Ink();  // the box of a 25-pixel button: rows 5 to 17
    EXPECT_TRUE(enabled[0] >= 5 && enabled[1] <= 17 && std::abs(enabled[2] - 80) <= 2) << enabled[0] << ".." << enabled[1];
    EXPECT_EQ(enabled[3], 0) << "black";
    wide->SetEnabled(false);
    EXPECT_GT(Ink()[3], 64) << "a disabled caption is grey";
    wide->Core().SetVisible(0);
    UpdateWindow(wide->Hwnd());
    HDC dc = GetDC(wide->Hwnd());
    EXPECT_EQ(GetPixel(dc, 80, 24), kParentColour);
    ReleaseDC(wide->Hwnd(), dc);
}

}  // namespace
}  // namespace morvantis::button
