// The Windows renderer: a full-screen 1024 x 768 x 32 window with an OpenGL context, drawing
// at most 60 frames a second, until Escape or WM_CLOSE; the other monitors are covered in black.
#include "renderer/gl/headers.h"
#include "renderer/gl/scene.h"
#include "renderer/image/win32_dib_reader.h"
#include "renderer/pacing/frame_log.h"
#include "renderer/pacing/frame_pacer.h"
#include "renderer/pacing/win32_frame_clock.h"
#include "renderer/windows/win32_monitor_covers.h"

#include <cstring>

namespace {

using morvantis::Scene;

Scene scene;  // the whole animation state, fixed-size, allocated once

bool windowActive = true;
bool fullScreen = true;
bool keyDown[256];

HINSTANCE instance = nullptr;
HWND window = nullptr;
HDC deviceContext = nullptr;
HGLRC renderingContext = nullptr;

const wchar_t kClassName[] = L"OpenGL";
const char kSurfaceTexture[] = "c:\\n_orvi\\Morvantis1.bmp";
const char kSphereTexture[] = "c:\\n_orvi\\Morvantis2.bmp";

PIXELFORMATDESCRIPTOR PixelFormatFor(BYTE bits) {
    static PIXELFORMATDESCRIPTOR format;
    static bool prepared = false;
    if (!prepared) {
        format = PIXELFORMATDESCRIPTOR{};
        format.nSize = sizeof(PIXELFORMATDESCRIPTOR);
        format.nVersion = 1;
        format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
        format.iPixelType = PFD_TYPE_RGBA;
        format.cColorBits = bits;
        format.cDepthBits = 16;
        format.iLayerType = PFD_MAIN_PLANE;
        prepared = true;
    }
    return format;
}

// The refresh rate of the mode now shown, in hertz; 0 or 1 where the system does not know it.
int CurrentRefreshRate() {
    DEVMODEW mode{};
    mode.dmSize = sizeof(DEVMODEW);
    return EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode) ? static_cast<int>(mode.dmDisplayFrequency) : 0;
}

// Let the driver wait for the refresh nearest 60 frames a second, where it can (the function
// exists only where the driver has WGL_EXT_swap_control); the frame pacer holds the rest.
void RequestSwapInterval() {
    using SwapInterval = BOOL(WINAPI*)(int);
    if (auto swapInterval = reinterpret_cast<SwapInterval>(reinterpret_cast<void*>(wglGetProcAddress("wglSwapIntervalEXT"))))
        swapInterval(morvantis::SwapIntervalFor(CurrentRefreshRate()));
}

// Blocks until a message is in the queue, one already seen by PeekMessage included.
void WaitForMessage() { MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE); }

void CloseSceneWindow() {
    morvantis::CloseMonitorCovers();  // first: no cover outlives the scene's display mode
    if (fullScreen) {
        ChangeDisplaySettingsW(nullptr, 0);
        ShowCursor(TRUE);
    }
    if (renderingContext) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(renderingContext);
        renderingContext = nullptr;
    }
    if (deviceContext) {
        ReleaseDC(window, deviceContext);
        deviceContext = nullptr;
    }
    if (window) {
        DestroyWindow(window);
        window = nullptr;
    }
    UnregisterClassW(kClassName, instance);
}

LRESULT CALLBACK SceneWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATE:
            windowActive = HIWORD(wParam) == 0;  // false only while minimised
            return 0;
        case WM_SYSCOMMAND:
            // Neither a screen saver nor monitor power-saving may start over the running scene.
            if (wParam == SC_SCREENSAVE || wParam == SC_MONITORPOWER) return 0;
            break;
        case WM_CLOSE:
            PostQuitMessage(0);
            return 0;
        case WM_KEYDOWN:
            keyDown[wParam & 0xFF] = true;
            return 0;
        case WM_KEYUP:
            keyDown[wParam & 0xFF] = false;
            return 0;
        case WM_SIZE:
            morvantis::SetProjection(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_DISPLAYCHANGE:  // the other monitors may have moved with a mode change
            morvantis::PlaceMonitorCovers();
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool SwitchDisplay(int width, int height, int bits) {
    DEVMODEW mode{};
    mode.dmSize = sizeof(DEVMODEW);
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    mode.dmBitsPerPel = bits;
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    return ChangeDisplaySettingsW(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
}

bool CreateContext(BYTE bits) {
    deviceContext = GetDC(window);
    if (!deviceContext) return false;
    const PIXELFORMATDESCRIPTOR format = PixelFormatFor(bits);
    const int pixelFormat = ChoosePixelFormat(deviceContext, &format);
    if (pixelFormat == 0 || !SetPixelFormat(deviceContext, pixelFormat, &format)) return false;
    renderingContext = wglCreateContext(deviceContext);
    return renderingContext && wglMakeCurrent(deviceContext, renderingContext);
}

std::optional<morvantis::RgbImage> ReadTexture(const std::string& path) { return morvantis::ReadDibImage(path); }

bool OpenSceneWindow(const wchar_t* title, int width, int height, int bits) {
    RECT rect = {0, 0, width, height};
    instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = SceneWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_WINLOGO));
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassW(&windowClass)) return false;
    if (!SwitchDisplay(width, height, bits)) return false;
    morvantis::OpenMonitorCovers(width, height);

    ShowCursor(FALSE);
    const DWORD exStyle = WS_EX_APPWINDOW, style = WS_POPUP;
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    window = CreateWindowExW(exStyle, kClassName, title, style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                             rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, instance, nullptr);
    if (!window || !CreateContext(static_cast<BYTE>(bits))) {
        CloseSceneWindow();
        return false;
    }
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(window);
    morvantis::SetProjection(width, height);
    if (!morvantis::SetupScene(scene, ReadTexture, {kSurfaceTexture, kSphereTexture})) {
        CloseSceneWindow();
        return false;
    }
    RequestSwapInterval();
    return true;
}

// The exit code: WM_QUIT's, or 0 when Escape ended the loop (not the key message's wParam).
// At most one frame per 1/60 s tick; the wait for it ends early for a message. While minimised
// nothing is drawn and the loop sleeps until a message comes.
int RunMessageLoop() {
    morvantis::Win32FrameClock clock;
    morvantis::FramePacer pacer(clock);
    morvantis::FrameLog log = morvantis::FrameLog::FromEnvironment();
    MSG message{};
    for (;;) {
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
            TranslateMessage(&message);
            DispatchMessageW(&message);
            continue;
        }
        // Minimised: Wine, for one, minimises a window without the WM_ACTIVATE that says so.
        if (!windowActive || IsIconic(window)) {
            if (keyDown[VK_ESCAPE]) break;
            WaitForMessage();
            continue;
        }
        if (!pacer.WaitForFrameTime()) continue;
        if (!morvantis::DrawFrame(scene)) break;
        if (keyDown[VK_ESCAPE]) break;
        SwapBuffers(deviceContext);
        log.FrameShown(pacer.FrameShown());
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    fullScreen = true;
    if (!OpenSceneWindow(L"Morvantis_VC", 1024, 768, 32)) {
        morvantis::ReleaseScene(scene);
        return 0;
    }
    morvantis::ResetRenderer(scene.state);
    const int code = RunMessageLoop();
    morvantis::ReleaseScene(scene);
    CloseSceneWindow();
    return code;
}
