#include "mci_trace.h"

#include "program_driver.h"

#include <fstream>
#include <iterator>

namespace morvantis::e2e {

std::uintmax_t MciTrace::Size() const {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file_, error);
    return error ? 0 : size;
}

namespace {

// Wine writes each command quoted: backslashes and quotation marks escaped by a backslash,
// characters past ASCII as a backslash and four hex digits of their UTF-16 unit.
std::size_t Unescape(const std::string& trace, std::size_t i, std::wstring& command) {
    const std::string hex = trace.substr(i + 1, 4);
    if (hex.size() == 4 && hex.find_first_not_of("0123456789abcdef") == std::string::npos) {
        command += static_cast<wchar_t>(std::stoul(hex, nullptr, 16));
        return i + 5;
    }
    command += static_cast<wchar_t>(static_cast<unsigned char>(trace[i + 1]));
    return i + 2;
}

}  // namespace

std::vector<std::string> MciTrace::CommandsSince(std::uintmax_t offset) const {
    std::ifstream in(file_, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    const std::string trace((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string marker = "mciSendStringW (L\"";
    std::vector<std::string> commands;
    for (std::size_t at = trace.find(marker); at != std::string::npos; at = trace.find(marker, at + 1)) {
        std::wstring command;
        std::size_t i = at + marker.size();
        while (i < trace.size() && trace[i] != '"' && trace[i] != '\n') {
            if (trace[i] == '\\' && i + 1 < trace.size()) {
                i = Unescape(trace, i, command);
            } else {
                command += static_cast<wchar_t>(static_cast<unsigned char>(trace[i++]));
            }
        }
        if (i < trace.size() && trace[i] == '"') commands.push_back(Utf8(command));
    }
    return commands;
}

}  // namespace morvantis::e2e
