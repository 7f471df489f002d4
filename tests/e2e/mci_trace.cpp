#include "mci_trace.h"

#include "program_driver.h"

#include <optional>

namespace morvantis::e2e {
namespace {

// Wine writes each quoted text with backslashes and quotation marks escaped by a backslash, and
// characters past ASCII as a backslash and four hex digits of their UTF-16 unit.
std::size_t Unescape(const std::string& trace, std::size_t i, std::wstring& text) {
    const std::string hex = trace.substr(i + 1, 4);
    if (hex.size() == 4 && hex.find_first_not_of("0123456789abcdef") == std::string::npos) {
        text += static_cast<wchar_t>(std::stoul(hex, nullptr, 16));
        return i + 5;
    }
    text += static_cast<wchar_t>(static_cast<unsigned char>(trace[i + 1]));
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

std::vector<std::string> MciCommandsIn(const std::string& trace) {
    const std::string marker = "mciSendStringW (L\"";
    std::vector<std::string> commands;
    for (std::size_t at = trace.find(marker); at != std::string::npos; at = trace.find(marker, at + 1)) {
        const std::optional<std::string> command = QuotedAt(trace, at + marker.size());
        const bool addedByWine = command && command->size() > 5 && command->substr(command->size() - 5) == " wait";
        if (command && !addedByWine) commands.push_back(*command);
    }
    return commands;
}

// Wine ends each sound with "Done playing=L"name" => ok!" (or "ko!" when it could not be played).
std::vector<std::string> SoundsEndedIn(const std::string& trace) {
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
