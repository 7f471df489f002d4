// Code page 932 (Shift-JIS with the Windows extensions), converted by the host itself: the
// settings file holds these bytes on every system, whatever its own code page. Mapped as
// Windows maps code page 932 without best fit: JIS X 0208, half-width katakana, the NEC and
// IBM extensions, the user-defined area (U+E000 to U+E757), and the single bytes 0x80, 0xA0,
// 0xFD to 0xFF (U+0080, U+F8F0 to U+F8F3). Platform-free.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace morvantis::host {

// The character that starts at `pos` of Shift-JIS bytes, and how many bytes it takes (1 or 2).
// A lead byte without a trail byte, and a pair that means nothing, give U+30FB (what Windows
// puts for them); a lead byte followed by a byte that cannot be a trail byte counts alone, so
// the next byte (a line end, say) is read on its own. Never reads past the text; `pos` must be
// inside it.
struct ShiftJisCharacter {
    char32_t code;
    std::size_t length;
};
ShiftJisCharacter DecodeShiftJis(const std::string& bytes, std::size_t pos);

// Shift-JIS bytes as UTF-8, character by character as DecodeShiftJis reads them.
std::string ShiftJisToUtf8(const std::string& bytes);

// The Shift-JIS bytes of one character; nothing when code page 932 has no exact form for it
// (no look-alike: "é" is not "e", "¥" is not "\"). Where Windows has two codes for one
// character it takes the same one: JIS X 0208 before the NEC row 13, then the IBM extensions
// (0xFA to 0xFC), then the NEC-selected IBM extensions (0xED, 0xEE).
std::optional<std::string> EncodeShiftJis(char32_t code);

// UTF-8 text as Shift-JIS; nothing when any character has no exact form or the text is not
// valid UTF-8.
std::optional<std::string> Utf8ToShiftJis(const std::string& utf8);

}  // namespace morvantis::host
