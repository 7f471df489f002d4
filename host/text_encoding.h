// UTF-8 helpers of the host. Text is UTF-8 inside the host and UTF-16 at the Windows
// boundary (the W functions); the settings file alone has fixed bytes (shift_jis.h). The
// system's ANSI code page plays no part. Platform-free.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace morvantis::host {

// The number of bytes of the character that starts at `pos` (1 to 4): a lead byte with all its
// continuation bytes. Any other byte counts as one character of its own, so walking a text this
// way never runs past its end. 0 at or after the end.
inline std::size_t Utf8CharacterLength(const std::string& text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    const unsigned char lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3
                                         : (lead >> 3) == 0x1E ? 4 : 1;
    if (length == 1 || pos + length > text.size()) return 1;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) return 1;
    return length;
}

// The position just after the first `count` characters (the text's size if it has fewer).
inline std::size_t Utf8Advance(const std::string& text, std::size_t count) {
    std::size_t pos = 0;
    for (; count > 0 && pos < text.size(); --count) pos += Utf8CharacterLength(text, pos);
    return pos;
}

// The longest leading part of whole characters that takes at most `units` UTF-16 code units
// (a 4-byte character takes two).
inline std::string Utf8PrefixInUtf16Units(const std::string& text, std::size_t units) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t length = Utf8CharacterLength(text, pos);
        const std::size_t cost = length == 4 ? 2 : 1;
        if (cost > units) break;
        units -= cost;
        pos += length;
    }
    return text.substr(0, pos);
}

// The code point of the character that starts at `pos` (Utf8CharacterLength bytes); nothing
// when those bytes are no valid UTF-8 character (a stray byte, an overlong form, a surrogate,
// beyond U+10FFFF).
std::optional<char32_t> Utf8CodePoint(const std::string& text, std::size_t pos);

// Appends the UTF-8 form of `code` (U+FFFD for a surrogate or beyond U+10FFFF).
void AppendUtf8(std::string& text, char32_t code);

// UTF-8 to UTF-16 and back, character by character; what is not valid UTF-8 or UTF-16 becomes
// U+FFFD.
std::u16string Utf8ToUtf16(const std::string& utf8);
std::string Utf16ToUtf8(const std::u16string& utf16);

// ASCII letters upper-cased; every other byte unchanged.
inline std::string AsciiUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

}  // namespace morvantis::host
