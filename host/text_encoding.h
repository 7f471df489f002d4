// Text at the boundary of the host: UTF-8 inside, the system's ANSI code page (932 on the
// Japanese systems the saver is made for) where Windows' A functions take or give bytes.
// The two conversions are implemented for Windows only (win32_text_encoding.cpp); the small
// UTF-8 helpers below are platform-free.
#pragma once

#include <cstddef>
#include <string>

namespace morvantis::host {

// UTF-8 to the ANSI code page. Characters the code page cannot represent exactly (no best-fit
// look-alikes: "é" does not become "e", nor "¥" the path separator), and bytes that are not
// valid UTF-8, become the code page's default character ("?"). NUL bytes are kept.
std::string Utf8ToAnsi(const std::string& utf8);

// ANSI code page bytes to UTF-8. A lead byte without its trail byte becomes U+30FB or "?"
// as the system decides; it never reads past the text. NUL bytes are kept.
std::string AnsiToUtf8(const std::string& ansi);

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

// ASCII letters upper-cased; every other byte unchanged.
inline std::string AsciiUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

}  // namespace morvantis::host
