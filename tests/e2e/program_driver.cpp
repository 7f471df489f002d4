#include "program_driver.h"

namespace morvantis::e2e {
namespace {

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
    if (!process_ || !WaitUntil(milliseconds, [this] { return !Running(); })) return std::nullopt;
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
    const bool shown = WaitUntil(milliseconds, [&] {
        return (window = FindWindowW(nullptr, Widen(title).c_str())) && IsWindowVisible(window);
    });
    return shown ? window : nullptr;
}

bool WaitForNoWindow(const char* title, DWORD milliseconds) {
    return WaitUntil(milliseconds, [&] { return FindWindowW(nullptr, Widen(title).c_str()) == nullptr; });
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

std::optional<MessageBoxSeen> WaitForMessageBox(DWORD processId, DWORD milliseconds, HWND besides) {
    HWND box = nullptr;
    const auto boxOfProcess = [&] {  // each top-level window of the class in turn
        while ((box = FindWindowExW(nullptr, box, L"#32770", nullptr))) {
            DWORD owner = 0;
            GetWindowThreadProcessId(box, &owner);
            if (owner == processId && box != besides && IsWindowVisible(box)) return true;
        }
        return false;
    };
    if (!WaitUntil(milliseconds, boxOfProcess)) return std::nullopt;
    MessageBoxSeen seen{box, TextOf(box), {}};
    // The text of a message box is its static control with the id 0xFFFF.
    if (HWND text = GetDlgItem(box, 0xFFFF)) seen.text = TextOf(text);
    return seen;
}

void DismissMessageBox(HWND box, int button) {
    PostMessageW(box, WM_COMMAND, button, 0);
    WaitUntil(10000, [&] { return !IsWindow(box); });
}

}  // namespace morvantis::e2e
