#include "host/win32_profile_store.h"

#include <windows.h>

#include <cstring>

#include "host/text_encoding.h"

namespace morvantis::host {
namespace {

constexpr DWORD kReadBufferSize = 256;
constexpr std::size_t kNameField = 127;

// Drops a lead byte that has lost its trail byte at the end of an ANSI text.
void DropLoneLeadByte(std::string& ansi) {
    std::size_t pos = 0;
    while (pos < ansi.size()) {
        const bool lead = IsDBCSLeadByte(static_cast<BYTE>(ansi[pos])) != 0;
        if (lead && pos + 1 == ansi.size()) {
            ansi.pop_back();
            return;
        }
        pos += lead ? 2 : 1;
    }
}

}  // namespace

std::string Win32ProfileStore::ReadIni(const std::string& section, const std::string& key,
                                       const std::string& file) {
    const std::string ansiSection = Utf8ToAnsi(section);
    const std::string ansiKey = Utf8ToAnsi(key);
    const std::string ansiFile = Utf8ToAnsi(file);
    char buffer[kReadBufferSize] = {};
    GetPrivateProfileStringA(ansiSection.c_str(), ansiKey.c_str(), "", buffer, kReadBufferSize,
                             ansiFile.c_str());
    buffer[kReadBufferSize - 1] = '\0';
    std::string value(buffer, strnlen(buffer, kReadBufferSize));
    DropLoneLeadByte(value);
    return AnsiToUtf8(value);
}

void Win32ProfileStore::WriteIni(const std::string& section, const std::string& key,
                                 const std::string& value, const std::string& file) {
    const std::string ansiSection = Utf8ToAnsi(Utf8PrefixInUtf16Units(section, kNameField));
    const std::string ansiKey = Utf8ToAnsi(Utf8PrefixInUtf16Units(key, kNameField));
    const std::string ansiValue = Utf8ToAnsi(value);
    const std::string ansiFile = Utf8ToAnsi(file);
    lastResult_ = WritePrivateProfileStringA(ansiSection.c_str(), ansiKey.c_str(),
                                             ansiValue.c_str(), ansiFile.c_str());
}

}  // namespace morvantis::host
