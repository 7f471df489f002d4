#include "host/button/win32_command_button.h"

#include <windows.h>

#include <cmath>

#include "host/button/win32_gdi_surface.h"
#include "host/win32_window_owner.h"

namespace morvantis::button {
namespace {

constexpr UINT_PTR kPollTimerId = 1;
constexpr wchar_t kClassName[] = L"Morvantis.Command";

std::wstring Widen(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

// Mouse buttons and shift keys as the handlers take them: 1 left, 2 right, 4 middle; 1 Shift,
// 2 Ctrl, 4 Alt.
std::int16_t ButtonsOf(WPARAM w) {
    return static_cast<std::int16_t>(((w & MK_LBUTTON) ? 1 : 0) | ((w & MK_RBUTTON) ? 2 : 0) |
                                     ((w & MK_MBUTTON) ? 4 : 0));
}

std::int16_t ShiftOf(WPARAM w) {
    return static_cast<std::int16_t>(((w & MK_SHIFT) ? 1 : 0) | ((w & MK_CONTROL) ? 2 : 0) |
                                     ((GetKeyState(VK_MENU) < 0) ? 4 : 0));
}

float TwipsX(LPARAM l) { return static_cast<float>(static_cast<short>(LOWORD(l)) * kTwipsPerPixel); }
float TwipsY(LPARAM l) { return static_cast<float>(static_cast<short>(HIWORD(l)) * kTwipsPerPixel); }

COLORREF ColourOf(std::uint32_t colour) {
    if (colour & 0x80000000u) return GetSysColor(static_cast<int>(colour & 0xFF));
    return static_cast<COLORREF>(colour);
}

HFONT MakeFont(const CaptionFont& font) {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    LOGFONTW lf = {};
    lf.lfHeight = -static_cast<LONG>(std::lround(font.size_points * dpi / 72.0));
    lf.lfWeight = font.weight;
    lf.lfItalic = font.italic ? TRUE : FALSE;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfStrikeOut = font.strikethrough ? TRUE : FALSE;
    lf.lfCharSet = static_cast<BYTE>(font.charset);
    const std::wstring face = Widen(font.face);
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&lf);
}

}  // namespace

struct CommandButton::Impl final : PollTimer {
    Impl(int width, int height) : face(width, height), core(face, *this) {
        face.OnPresent([this] { Invalidate(); });
        core.OnAppearanceChanged([this] { Invalidate(); });
    }
    ~Impl() override {
        if (font) DeleteObject(font);
    }

    bool Start(std::uint32_t interval_ms) override {
        return hwnd && SetTimer(hwnd, kPollTimerId, interval_ms, nullptr) != 0;
    }

    void Invalidate() {
        if (hwnd) InvalidateRect(hwnd, nullptr, FALSE);
    }

    HFONT Font() {
        if (!font || font_of != core.Font()) {
            if (font) DeleteObject(font);
            font = MakeFont(core.Font());
            font_of = core.Font();
        }
        return font;
    }

    // What lies behind a transparent face: the parent's background and client area.
    void PaintParentBackground(HDC dc) {
        HWND parent = GetParent(hwnd);
        if (!parent) return;
        POINT origin = {0, 0};
        MapWindowPoints(hwnd, parent, &origin, 1);
        POINT old;
        SetViewportOrgEx(dc, -origin.x, -origin.y, &old);
        SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        SetViewportOrgEx(dc, old.x, old.y, nullptr);
    }

    void DrawCaption(HDC dc) {
        const CaptionLabel& label = core.LblMsg();
        const std::wstring text = Widen(label.text);
        if (text.empty()) return;
        const PixelRect box = label.BoxPixels();
        RECT r = {box.x, box.y, box.x + box.width, box.y + box.height};
        const UINT flags = DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOCLIP;
        HGDIOBJ old_font = SelectObject(dc, Font());
        SetBkMode(dc, TRANSPARENT);
        if (label.enabled) {
            SetTextColor(dc, ColourOf(label.colour));
            DrawTextW(dc, text.c_str(), -1, &r, flags);
        } else {
            // A disabled label: engraved grey text with a light edge.
            RECT shifted = r;
            OffsetRect(&shifted, 1, 1);
            SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
            DrawTextW(dc, text.c_str(), -1, &shifted, flags);
            SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
            DrawTextW(dc, text.c_str(), -1, &r, flags);
        }
        SelectObject(dc, old_font);
    }

    void Paint() {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (!dc) return;
        RECT client;
        GetClientRect(hwnd, &client);
        const int w = client.right, h = client.bottom;
        HDC mem = CreateCompatibleDC(dc);
        HBITMAP bitmap = mem ? CreateCompatibleBitmap(dc, w, h) : nullptr;
        if (bitmap) {
            HGDIOBJ old = SelectObject(mem, bitmap);
            if (core.IsOpaque()) {
                BitBlt(mem, 0, 0, w, h, face.Dc(), 0, 0, SRCCOPY);
            } else {
                PaintParentBackground(mem);
            }
            DrawCaption(mem);
            BitBlt(dc, 0, 0, w, h, mem, 0, 0, SRCCOPY);
            SelectObject(mem, old);
            DeleteObject(bitmap);
        }
        if (mem) DeleteDC(mem);
        EndPaint(hwnd, &ps);
    }

    LRESULT Handle(UINT message, WPARAM w, LPARAM l) {
        switch (message) {
            case WM_SIZE: {
                const int width = LOWORD(l), height = HIWORD(l);
                if (width != face.Size().width || height != face.Size().height) face.Resize(width, height);
                core.UserControl_Resize();
                return 0;
            }
            case WM_MOUSEMOVE:
                core.UserControl_MouseMove(ButtonsOf(w), ShiftOf(w), TwipsX(l), TwipsY(l));
                return 0;
            case WM_LBUTTONDOWN:
                if (core.isEnabled() && GetFocus() != hwnd) SetFocus(hwnd);
                SetCapture(hwnd);
                core.UserControl_MouseDown(kLeftButton, ShiftOf(w), TwipsX(l), TwipsY(l));
                return 0;
            case WM_RBUTTONDOWN:
                core.UserControl_MouseDown(kRightButton, ShiftOf(w), TwipsX(l), TwipsY(l));
                return 0;
            case WM_MBUTTONDOWN:
                core.UserControl_MouseDown(kMiddleButton, ShiftOf(w), TwipsX(l), TwipsY(l));
                return 0;
            // The release handler raises Click last; the Click handler may destroy this object.
            case WM_LBUTTONUP:
                if (GetCapture() == hwnd) ReleaseCapture();
                core.UserControl_MouseUp(kLeftButton, ShiftOf(w), TwipsX(l), TwipsY(l));
                return 0;
            case WM_RBUTTONUP:
                core.UserControl_MouseUp(kRightButton, ShiftOf(w), TwipsX(l), TwipsY(l));
                return 0;
            case WM_MBUTTONUP:
                core.UserControl_MouseUp(kMiddleButton, ShiftOf(w), TwipsX(l), TwipsY(l));
                return 0;
            case WM_SETFOCUS:
                core.UserControl_GotFocus();
                return 0;
            case WM_KILLFOCUS:
                core.UserControl_LostFocus();
                return 0;
            case WM_TIMER:
                if (w == kPollTimerId) {
                    POINT pointer = {0, 0};
                    GetCursorPos(&pointer);
                    core.TmrMouse_Timer(WindowFromPoint(pointer) == hwnd);
                    return 0;
                }
                break;
            case WM_PAINT:
                Paint();
                return 0;
            case WM_ERASEBKGND:
                return 1;  // the face covers everything
        }
        return DefWindowProcW(hwnd, message, w, l);
    }

    HWND hwnd = nullptr;
    GdiSurface face;
    Command core;
    HFONT font = nullptr;
    CaptionFont font_of;
};

namespace {

LRESULT CALLBACK CommandWindowProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    auto* impl = host::WindowOwner<CommandButton::Impl>(hwnd, message, l);
    if (!impl) return DefWindowProcW(hwnd, message, w, l);
    if (message == WM_NCCREATE) impl->hwnd = hwnd;
    if (message == WM_NCDESTROY) {
        KillTimer(hwnd, kPollTimerId);
        impl->hwnd = nullptr;
        return DefWindowProcW(hwnd, message, w, l);
    }
    return impl->Handle(message, w, l);
}

bool RegisterCommandClass(HINSTANCE instance) {
    WNDCLASSEXW existing = {};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, kClassName, &existing)) return true;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = CommandWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
}

}  // namespace

CommandButton::CommandButton(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

CommandButton::~CommandButton() {
    if (impl_ && impl_->hwnd) DestroyWindow(impl_->hwnd);
}

std::unique_ptr<CommandButton> CommandButton::Create(HWND__* parent, int id, int x, int y, int width, int height,
                                                     const std::string& caption_utf8) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!RegisterCommandClass(instance)) return nullptr;
    auto impl = std::make_unique<Impl>(width, height);
    // The stored layout of a dialog button: its caption and the dialog font.
    MapPropertyBag stored({{"Caption", caption_utf8}, {"Font", DialogFont()}});
    impl->core.UserControl_ReadProperties(stored, DialogFont());
    // The window sends the first resize, which paints the face.
    HWND hwnd = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, width, height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, impl.get());
    if (!hwnd) return nullptr;
    return std::unique_ptr<CommandButton>(new CommandButton(std::move(impl)));
}

HWND__* CommandButton::Hwnd() const { return impl_->hwnd; }
void CommandButton::Initialize() { impl_->core.Initialize(); }
void CommandButton::SetEnabled(bool enabled) { impl_->core.SetEnabled(enabled); }
bool CommandButton::Enabled() { return impl_->core.Enabled(); }
void CommandButton::OnClick(std::function<void()> handler) { impl_->core.OnClick(std::move(handler)); }
Command& CommandButton::Core() { return impl_->core; }
std::vector<Rgb8> CommandButton::FacePixels() const { return impl_->face.Pixels(); }
const wchar_t* CommandButton::ClassName() { return kClassName; }

}  // namespace morvantis::button
