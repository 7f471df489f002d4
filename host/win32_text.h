// UTF-8 text of the host to and from the UTF-16 of the W functions (wchar_t is 16 bits on
// Windows). Windows only.
#pragma once

#include <string>

#include "host/text_encoding.h"

namespace morvantis::host {

inline std::wstring Widen(const std::string& utf8) {
    const std::u16string utf16 = Utf8ToUtf16(utf8);
    return std::wstring(utf16.begin(), utf16.end());
}

inline std::string Narrow(const std::wstring& wide) {
    return Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

}  // namespace morvantis::host
