#include "mci_trace.h"

#include "program_driver.h"

#include <fstream>
#include <iterator>
#include <optional>

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

// The text of L"..." at `i` (just after its opening quotation mark), unescaped; nothing when
// the line ends before its closing quotation mark.
std::optional<std::string> QuotedAt(const std::string& trace, std::size_t i) {
    std::wstring text;
    while (i < trace.size() && trace[i] != '"' && trace[i] != '\n') {
        if (trace[i] == '\\' && i + 1 < trace.size()) {
            i = Unescape(trace, i, text);
        } else {
            text += static_cast<wchar_t>(static_cast<unsigned char>(trace[i++]));
        }
    }
    if (i < trace.size() && trace[i] == '"') return Narrow(text);
    return std::nullopt;
}

}  // namespace

std::string MciTrace::TextSince(std::uintmax_t offset) const {
    std::ifstream in(file_, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> MciTrace::CommandsSince(std::uintmax_t offset) const {
    const std::string trace = TextSince(offset);
    const std::string marker = "mciSendStringW (L\"";
    std::vector<std::string> commands;
    for (std::size_t at = trace.find(marker); at != std::string::npos; at = trace.find(marker, at + 1))
        if (const std::optional<std::string> command = QuotedAt(trace, at + marker.size())) commands.push_back(*command);
    return commands;
}

// Wine ends each sound with "Done playing=L"name" => ok!" (or "ko!" when it could not be played).
std::vector<std::string> MciTrace::SoundsEndedSince(std::uintmax_t offset) const {
    const std::string trace = TextSince(offset);
    const std::string marker = "Done playing=L\"";
    std::vector<std::string> sounds;
    for (std::size_t at = trace.find(marker); at != std::string::npos; at = trace.find(marker, at + 1)) {
        const std::optional<std::string> name = QuotedAt(trace, at + marker.size());
        const std::size_t end = trace.find('\n', at);
        if (!name || end == std::string::npos) continue;
        const std::size_t verdict = trace.find("=> ", at);
        const bool ok = verdict < end && trace.compare(verdict + 3, 3, "ok!") == 0;
        sounds.push_back((ok ? "ok " : "failed ") + *name);
    }
    return sounds;
}

}  // namespace morvantis::e2e
