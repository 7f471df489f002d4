#include "program_driver.h"

#include <utility>

namespace morvantis::e2e {
namespace {

template <typename Predicate>
bool PollFor(DWORD milliseconds, Predicate done) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(20);
    }
}

std::string TextOf(HWND window) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return Narrow(buffer);
}

}  // namespace

RunningProgram::RunningProgram(RunningProgram&& other) noexcept : process_(other.process_), id_(other.id_) {
    other.process_ = nullptr;
}

RunningProgram RunningProgram::Start(const std::string& path, const std::string& arguments) {
    RunningProgram program;
    const std::wstring widePath = Widen(path);
    std::wstring commandLine = L"\"" + widePath + L"\"";
    if (!arguments.empty()) commandLine += L" " + Widen(arguments);
    const std::wstring folder = widePath.substr(0, widePath.find_last_of(L"\\/"));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessW(widePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                       &startup, &info)) {
        CloseHandle(info.hThread);
        program.process_ = info.hProcess;
        program.id_ = info.dwProcessId;
    }
    return program;
}

std::optional<DWORD> RunningProgram::WaitForExit(DWORD milliseconds) {
    if (!process_ || WaitForSingleObject(process_, milliseconds) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

bool RunningProgram::Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

RunningProgram::~RunningProgram() {
    if (!process_) return;
    if (Running()) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

HWND WaitForWindow(const char* title, DWORD milliseconds) {
    HWND window = nullptr;
    return PollFor(milliseconds, [&] { return (window = FindWindowW(nullptr, Widen(title).c_str())); }) ? window : nullptr;
}

bool WaitForNoWindow(const char* title, DWORD milliseconds) {
    return PollFor(milliseconds, [&] { return FindWindowW(nullptr, Widen(title).c_str()) == nullptr; });
}

HWND WaitForShownWindow(const char* title, DWORD milliseconds) {
    HWND window = nullptr;
    const bool shown = PollFor(milliseconds, [&] { return (window = WaitForWindow(title, 0)) && IsWindowVisible(window); });
    return shown ? window : nullptr;
}

void Click(HWND window) {
    PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

std::string ClassNameOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return Narrow(name);
}

std::optional<MessageBoxSeen> WaitForMessageBox(DWORD processId, DWORD milliseconds) {
    // Searched for with the process id in, the box found out.
    std::pair<DWORD, HWND> search{processId, nullptr};
    auto boxOfProcess = [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<std::pair<DWORD, HWND>*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->first || ClassNameOf(window) != "#32770" || !IsWindowVisible(window)) return TRUE;
        s->second = window;
        return FALSE;
    };
    if (!PollFor(milliseconds, [&] {
            EnumWindows(boxOfProcess, reinterpret_cast<LPARAM>(&search));
            return search.second != nullptr;
        }))
        return std::nullopt;
    MessageBoxSeen seen{search.second, TextOf(search.second), {}};
    // The text of a message box is its static control with the id 0xFFFF.
    if (HWND text = GetDlgItem(search.second, 0xFFFF)) seen.text = TextOf(text);
    return seen;
}

void DismissMessageBox(HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); }

}  // namespace morvantis::e2e
