// Reading the screen-saver command line that Windows passes to the saver host: the whole
// argument text as one string (UTF-8), never split into words. Positions count characters,
// not bytes; a byte that is not valid UTF-8 counts as one character.
#pragma once

#include <cstdint>
#include <string>

namespace morvantis::host {

// The second character of the command line, ASCII letters upper-cased ("/s" -> "S",
// "-c:1234" -> "C", "xs" -> "S"); empty when the command line has fewer than two characters.
// The first character is never examined.
std::string ModeLetter(const std::string& commandLine);

// The preview parent window of "/p <handle>": LenientNumber of the text from the fourth
// character on, rounded halves-to-even to a 32-bit signed integer, handed out as its 32-bit
// pattern ("/p 1234" and "/p:1234" -> 1234, "/p -1" -> 0xFFFFFFFF). No number, a command line
// of three characters or fewer, or a value that does not round into -2^31..2^31-1 gives 0.
std::uint32_t PreviewParentHandle(const std::string& commandLine);

}  // namespace morvantis::host
