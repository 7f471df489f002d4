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

// A top-level window with this title (any class), polled for up to `milliseconds`.
HWND WaitForWindow(const char* title, DWORD milliseconds);
// True when no top-level window has this title within `milliseconds`.
bool WaitForNoWindow(const char* title, DWORD milliseconds);
// A shown top-level window with this title: a dialog's window exists before it is shown.
HWND WaitForShownWindow(const char* title, DWORD milliseconds);
// A press of the left button inside a window, as the pointer would make it.
void Click(HWND window);
std::string ClassNameOf(HWND window);

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};
// A message box (dialog class #32770) of the given process, polled for up to `milliseconds`.
std::optional<MessageBoxSeen> WaitForMessageBox(DWORD processId, DWORD milliseconds);
void DismissMessageBox(HWND box);

// UTF-8 to the UTF-16 of the W functions, and back, as the host converts them: the driver
// never goes through the system's code page, which differs with the locale the tests run in.
using host::Narrow;
using host::Widen;

}  // namespace morvantis::e2e
