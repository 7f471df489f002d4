#include "host/preview_window.h"

#include "host/resource_ids.h"
#include "host/win32_resources.h"

#include <windows.h>

namespace morvantis::host {
namespace {

const wchar_t kClassName[] = L"Morvantis_R";
constexpr UINT_PTR kParentWatch = 1;

HWND parentWindow = nullptr;

// The picture at its natural size from the top-left corner; the rest stays black.
void PaintPreview(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const ResourceBytes bmp = LoadResourceBytes(IDR_PREVIEW_PICTURE);
    if (bmp.size > sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) {
        const auto* file = reinterpret_cast<const BITMAPFILEHEADER*>(bmp.data);
        const auto* info = reinterpret_cast<const BITMAPINFO*>(bmp.data + sizeof(BITMAPFILEHEADER));
        const LONG width = info->bmiHeader.biWidth, height = info->bmiHeader.biHeight;
        if (file->bfOffBits < bmp.size)
            SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, bmp.data + file->bfOffBits, info,
                              DIB_RGB_COLORS);
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK PreviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            PaintPreview(window);
            return 0;
        case WM_TIMER:
            // Another process owns the parent: should its destruction not reach this window,
            // the watch still ends the program.
            if (wParam == kParentWatch && !IsWindow(parentWindow)) DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool ShowPreviewWindow(std::uint32_t parent) {
    parentWindow = reinterpret_cast<HWND>(static_cast<UINT_PTR>(parent));
    if (!parent || !IsWindow(parentWindow)) return false;
    RECT rect{};
    GetWindowRect(parentWindow, &rect);

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PreviewProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, kClassName, L"Preview Window", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    if (!window) return false;
    SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) | WS_CHILD);
    SetParent(window, parentWindow);
    // The parent's real size, however large (no 16-bit limit).
    MoveWindow(window, 0, 0, rect.right - rect.left, rect.bottom - rect.top, FALSE);
    SetTimer(window, kParentWatch, 250, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    return true;
}

}  // namespace morvantis::host
