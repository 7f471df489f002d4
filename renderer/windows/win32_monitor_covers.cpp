#include "renderer/windows/win32_monitor_covers.h"

#include "renderer/windows/monitor_covers.h"

#include <windows.h>

#include <vector>

namespace morvantis {
namespace {

const wchar_t kCoverClass[] = L"MorvantisCover";

bool coversOpen = false;
bool classRegistered = false;
DeskRect scene;
std::vector<HWND> covers;

LRESULT CALLBACK CoverWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEACTIVATE:  // a click leaves the scene's window active
            return MA_NOACTIVATE;
        case WM_SETCURSOR:
            SetCursor(nullptr);
            return TRUE;
        case WM_CLOSE:  // covers end with the renderer, never on their own
            return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM monitors) {
    reinterpret_cast<std::vector<DeskRect>*>(monitors)->push_back({rect->left, rect->top, rect->right, rect->bottom});
    return TRUE;
}

std::vector<DeskRect> Monitors() {
    std::vector<DeskRect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

HWND CreateCover() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!classRegistered) {
        WNDCLASSW coverClass{};
        coverClass.lpfnWndProc = CoverWindowProc;
        coverClass.hInstance = instance;
        coverClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        coverClass.lpszClassName = kCoverClass;
        classRegistered = RegisterClassW(&coverClass) != 0;
        if (!classRegistered) return nullptr;
    }
    return CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kCoverClass, L"", WS_POPUP, 0, 0, 0,
                           0, nullptr, nullptr, instance, nullptr);
}

}  // namespace

void OpenMonitorCovers(int sceneWidth, int sceneHeight) {
    coversOpen = true;
    scene = {0, 0, sceneWidth, sceneHeight};
    PlaceMonitorCovers();
}

// Covers already there move to their new places (no flash of the desktop between two), the
// missing ones are made, the ones left over go.
void PlaceMonitorCovers() {
    if (!coversOpen) return;
    const std::vector<DeskRect> places = CoverRects(Monitors(), scene);
    while (covers.size() > places.size()) {
        DestroyWindow(covers.back());
        covers.pop_back();
    }
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (i == covers.size()) {
            const HWND cover = CreateCover();
            if (!cover) return;
            covers.push_back(cover);
        }
        const DeskRect& r = places[i];
        SetWindowPos(covers[i], HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
}

void CloseMonitorCovers() {
    coversOpen = false;
    for (const HWND cover : covers) DestroyWindow(cover);
    covers.clear();
    if (classRegistered) UnregisterClassW(kCoverClass, GetModuleHandleW(nullptr));
    classRegistered = false;
}

}  // namespace morvantis
