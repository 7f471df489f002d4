// The text of a settings file, read and edited by the rules of Windows' private-profile
// functions, with bytes that do not depend on the system: Shift-JIS (shift_jis.h) with CRLF
// line ends, or UTF-16LE when the file starts with the byte-order mark FF FE. Platform-free.
//
// Reading:
//   - a line is a section header when, without the blanks around it, it starts with "[" and
//     holds a "]": the name is what lies between "[" and the last "]", without blanks;
//   - a line starting with ";" is a comment; a blank line is nothing;
//   - any other line is a key: the name before the first "=" (the whole line without one),
//     the value after it, both without the blanks around them;
//   - section and key names match without regard to the case of ASCII letters; the first
//     section of a name and the first key of a name in it count;
//   - one pair of equal quotes (" or ') around the value is removed; then the value is cut to
//     its first 255 bytes (Shift-JIS) or 16-bit units (UTF-16LE), never inside a character.
// Writing one key leaves every other byte as it was: a key that is there gets its line
// rewritten as name=value in its place (the name as the file spells it, the line's own end
// kept); a new key goes after the last key line of its section (or right after the header),
// and a missing section with its key is appended to the file. Lines written end in CRLF.
// Blanks are space, tab, CR, LF, vertical tab, form feed and Ctrl-Z.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "host/shift_jis.h"

namespace morvantis::host {

class ProfileText {
public:
    // The whole file as it is on disk; empty for a file that does not exist yet (which
    // becomes Shift-JIS).
    explicit ProfileText(std::string bytes);

    bool IsUtf16() const { return utf16_; }
    const std::string& Bytes() const { return bytes_; }

    // The value (UTF-8) of `key` in `section`; nothing when either is missing.
    std::optional<std::string> Read(const std::string& section, const std::string& key) const;

    // Sets `key` in `section` to `value` (all UTF-8). False, and the text unchanged, when the
    // file's encoding cannot hold a character exactly, or a string is not valid UTF-8 or
    // holds a line break or a NUL.
    bool Write(const std::string& section, const std::string& key, const std::string& value);

private:
    struct Line;
    struct Parsed;
    Line LineAt(std::size_t begin) const;
    Line LastLine() const;
    // The character at `pos` of a line's content that ends at `end`, and its length in bytes.
    ShiftJisCharacter CharacterAt(std::size_t pos, std::size_t end) const;
    Parsed Parse(const Line& line) const;
    // The first key of that name in the first section of that name.
    struct Place;
    Place Find(const std::string& section, const std::string& key) const;
    std::optional<std::string> Encode(const std::string& utf8) const;

    std::string bytes_;
    bool utf16_ = false;
};

}  // namespace morvantis::host
