#include "host/text_encoding.h"

#include <windows.h>

#include <climits>

namespace morvantis::host {
namespace {

std::wstring ToWide(UINT codePage, const std::string& text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int size = static_cast<int>(text.size());
    const int wideSize = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (wideSize <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), wideSize);
    return wide;
}

// `flags` is 0 for UTF-8, which takes no others.
std::string FromWide(UINT codePage, DWORD flags, const std::wstring& wide) {
    if (wide.empty() || wide.size() > INT_MAX) return {};
    const int size = static_cast<int>(wide.size());
    const int narrowSize =
        WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (narrowSize <= 0) return {};
    std::string narrow(static_cast<std::size_t>(narrowSize), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, narrow.data(), narrowSize, nullptr,
                        nullptr);
    return narrow;
}

}  // namespace

// No best-fit look-alikes: in code page 932 they would turn "¥" into the path separator and
// "é" into "e", so that a path could name another file than the one meant.
std::string Utf8ToAnsi(const std::string& utf8) {
    return FromWide(CP_ACP, WC_NO_BEST_FIT_CHARS, ToWide(CP_UTF8, utf8));
}

std::string AnsiToUtf8(const std::string& ansi) { return FromWide(CP_UTF8, 0, ToWide(CP_ACP, ansi)); }

}  // namespace morvantis::host
