#include "host/command_line.h"

#include <optional>

#include "host/text_encoding.h"
#include "host/vb_numbers.h"

namespace morvantis::host {

std::string ModeLetter(const std::string& commandLine) {
    const std::size_t second = Utf8CharacterLength(commandLine, 0);
    const std::size_t length = Utf8CharacterLength(commandLine, second);
    return AsciiUpper(commandLine.substr(second, length));
}

std::uint32_t PreviewParentHandle(const std::string& commandLine) {
    const std::size_t fourth = Utf8Advance(commandLine, 3);
    const std::optional<std::int32_t> handle =
        TryRoundHalfEven32(LenientNumber(commandLine.substr(fourth)));
    return handle ? static_cast<std::uint32_t>(*handle) : 0u;
}

}  // namespace morvantis::host
