// Drives shipped Windows programs from a test: start them, find their windows and message
// boxes, send them input, and wait for them to end, always with a time limit.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "host/win32_text.h"

namespace morvantis::e2e {

class RunningProgram {
public:
    RunningProgram() = default;
    RunningProgram(RunningProgram&& other) noexcept;
    ~RunningProgram();  // kills a program that is still running

    // Starts `path` (UTF-8) with `arguments`, in the program's own folder.
    static RunningProgram Start(const std::string& path, const std::string& arguments = "");

    DWORD id() const { return id_; }
    // The exit code once the program has ended within `milliseconds`; nothing if it still runs.
    std::optional<DWORD> WaitForExit(DWORD milliseconds);
    bool Running() const;

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Polls `done` until it holds, for up to `milliseconds`, handling this thread's window messages
// meanwhile: a program may wait on a window of the test's own (a preview's parent).
template <typename Predicate>
bool WaitUntil(DWORD milliseconds, Predicate done) {
    for (const ULONGLONG end = GetTickCount64() + milliseconds;; Sleep(20)) {
        for (MSG m; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&m);
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
    }
}

// A shown top-level window with this title (any class), polled for up to `milliseconds`: a
// window exists before it is shown.
HWND WaitForWindow(const char* title, DWORD milliseconds);
// True when no top-level window has this title within `milliseconds`.
bool WaitForNoWindow(const char* title, DWORD milliseconds);
// A press of the left button inside a window, as the pointer would make it.
void Click(HWND window);
std::string ClassNameOf(HWND window);

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};
// A message box (dialog class #32770) of the given process, polled for up to `milliseconds`;
// `besides` is a dialog window of the process that is not the box (an installer's wizard).
std::optional<MessageBoxSeen> WaitForMessageBox(DWORD processId, DWORD milliseconds, HWND besides = nullptr);
// Presses a button of the box and waits until the box is gone, so that a box shown next is a new one.
void DismissMessageBox(HWND box, int button = IDOK);

// A window of the test's own, standing in for the little monitor of the Display Properties.
struct Monitor {
    Monitor(int width, int height)
        : window(CreateWindowExW(0, L"STATIC", L"monitor", WS_POPUP | WS_VISIBLE, 10, 10, width, height, nullptr,
                                 nullptr, nullptr, nullptr)) {}
    ~Monitor() { DestroyWindow(window); }
    // The command line that starts a preview in it.
    std::string PreviewLine() const { return "/p " + std::to_string(reinterpret_cast<UINT_PTR>(window)); }
    HWND window;
};

// UTF-8 to the UTF-16 of the W functions, and back, as the host converts them: the driver
// never goes through the system's code page, which differs with the locale the tests run in.
using host::Narrow;
using host::Widen;

}  // namespace morvantis::e2e
