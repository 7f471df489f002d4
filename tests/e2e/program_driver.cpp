#include "program_driver.h"

#include <vector>

namespace morvantis::e2e {
namespace {

std::wstring Widen(const std::string& utf8) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring wide(n > 0 ? n - 1 : 0, L'\0');
    if (n > 1) MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), n);
    return wide;
}

std::string Convert(const std::string& text, UINT from, UINT to) {
    const int n = MultiByteToWideChar(from, 0, text.c_str(), -1, nullptr, 0);
    if (n <= 1) return {};
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(from, 0, text.c_str(), -1, wide.data(), n);
    const int m = WideCharToMultiByte(to, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(m, '\0');
    WideCharToMultiByte(to, 0, wide.c_str(), -1, out.data(), m, nullptr, nullptr);
    out.resize(m - 1);
    return out;
}

template <typename Predicate>
bool PollFor(DWORD milliseconds, Predicate done) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(20);
    }
}

struct BoxSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindBoxOf(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && ClassNameOf(window) == "#32770" && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

std::string TextOf(HWND window) {
    char buffer[1024] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return ToUtf8(buffer);
}

}  // namespace

RunningProgram::RunningProgram(RunningProgram&& other) noexcept : process_(other.process_), id_(other.id_) {
    other.process_ = nullptr;
}

RunningProgram& RunningProgram::operator=(RunningProgram&& other) noexcept {
    if (this != &other) {
        Kill();
        process_ = other.process_;
        id_ = other.id_;
        other.process_ = nullptr;
    }
    return *this;
}

RunningProgram::~RunningProgram() { Kill(); }

RunningProgram RunningProgram::Start(const std::string& path, const std::string& arguments) {
    RunningProgram program;
    const std::wstring widePath = Widen(path);
    std::wstring commandLine = L"\"" + widePath + L"\"";
    if (!arguments.empty()) commandLine += L" " + Widen(arguments);
    std::wstring folder = widePath.substr(0, widePath.find_last_of(L"\\/"));
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

void RunningProgram::Kill() {
    if (!process_) return;
    if (Running()) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
    process_ = nullptr;
}

HWND WaitForWindow(const char* title, DWORD milliseconds) {
    HWND window = nullptr;
    PollFor(milliseconds, [&] { return (window = FindWindowA(nullptr, ToAnsi(title).c_str())) != nullptr; });
    return window;
}

bool WaitForNoWindow(const char* title, DWORD milliseconds) {
    return PollFor(milliseconds, [&] { return FindWindowA(nullptr, ToAnsi(title).c_str()) == nullptr; });
}

HWND WaitForShownWindow(const char* title, DWORD milliseconds) {
    HWND window = nullptr;
    const bool shown = PollFor(milliseconds, [&] {
        window = FindWindowA(nullptr, ToAnsi(title).c_str());
        return window && IsWindowVisible(window);
    });
    return shown ? window : nullptr;
}

void Click(HWND window) {
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

std::string ClassNameOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::optional<MessageBoxSeen> WaitForMessageBox(DWORD processId, DWORD milliseconds) {
    BoxSearch search{processId, nullptr};
    if (!PollFor(milliseconds, [&] {
            search.found = nullptr;
            EnumWindows(FindBoxOf, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        }))
        return std::nullopt;
    MessageBoxSeen seen;
    seen.window = search.found;
    seen.caption = TextOf(search.found);
    // The text of a message box is its static control with the id 0xFFFF.
    if (HWND text = GetDlgItem(search.found, 0xFFFF)) seen.text = TextOf(text);
    return seen;
}

void DismissMessageBox(HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); }

std::string ToUtf8(const std::string& ansi) { return Convert(ansi, CP_ACP, CP_UTF8); }
std::string ToAnsi(const std::string& utf8) { return Convert(utf8, CP_UTF8, CP_ACP); }

}  // namespace morvantis::e2e
