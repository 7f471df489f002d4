#include "host/profile_text.h"

#include <vector>

#include "host/shift_jis.h"
#include "host/text_encoding.h"

namespace morvantis::host {
namespace {

constexpr std::size_t kValueUnits = 255;
constexpr char32_t kReplacement = 0xFFFD;

bool IsBlank(char32_t c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x1A; }

char32_t AsciiUpper(char32_t c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }

bool SameName(const std::u32string& a, const std::u32string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    return true;
}

std::u32string ToCodePoints(const std::string& utf8) {
    std::u32string text;
    for (std::size_t pos = 0; pos < utf8.size(); pos += Utf8CharacterLength(utf8, pos))
        text += Utf8CodePoint(utf8, pos).value_or(kReplacement);
    return text;
}

std::string ToUtf8(const std::u32string& text, std::size_t begin, std::size_t end) {
    std::string utf8;
    for (std::size_t i = begin; i < end; ++i) AppendUtf8(utf8, text[i]);
    return utf8;
}

bool IsValidUtf8(const std::string& text) {
    for (std::size_t pos = 0; pos < text.size(); pos += Utf8CharacterLength(text, pos))
        if (!Utf8CodePoint(text, pos)) return false;
    return true;
}

}  // namespace

// A line's content is [begin, end); its line end, if any, [end, next).
struct ProfileText::Line {
    std::size_t begin, end, next;
};

// A line's characters, each with the byte offset where it starts (one more offset: the end).
struct ProfileText::Parsed {
    enum class Kind { Blank, Comment, Section, Key } kind = Kind::Blank;
    std::u32string text;
    std::vector<std::size_t> offsets;
    std::u32string name;                    // of a section or a key, without blanks
    std::size_t valueBegin = 0, valueEnd = 0;  // a key's value, as indices into text
};

struct ProfileText::Place {
    std::optional<Line> header;   // of the section
    std::optional<Line> lastKey;  // the section's last key line
    std::optional<Line> key;
    Parsed parsedKey;
};

ProfileText::ProfileText(std::string bytes)
    : bytes_(std::move(bytes)), utf16_(bytes_.size() >= 2 && bytes_[0] == '\xFF' && bytes_[1] == '\xFE') {}

ProfileText::Line ProfileText::LineAt(std::size_t begin) const {
    const std::size_t unit = utf16_ ? 2 : 1;
    auto unitAt = [&](std::size_t pos) -> unsigned {
        if (pos + unit > bytes_.size()) return 0xFFFF;  // a lone byte at the end of UTF-16LE
        const unsigned low = static_cast<unsigned char>(bytes_[pos]);
        return utf16_ ? low | static_cast<unsigned char>(bytes_[pos + 1]) << 8 : low;
    };
    Line line{begin, begin, begin};
    while (line.end < bytes_.size() && unitAt(line.end) != '\r' && unitAt(line.end) != '\n') line.end += unit;
    line.end = std::min(line.end, bytes_.size());
    line.next = line.end;
    if (line.next < bytes_.size()) {
        const bool crlf = unitAt(line.next) == '\r' && unitAt(line.next + unit) == '\n';
        line.next += crlf ? 2 * unit : unit;
    }
    return line;
}

ShiftJisCharacter ProfileText::CharacterAt(std::size_t pos, std::size_t end) const {
    if (!utf16_) return DecodeShiftJis(bytes_, pos);  // a line end is never a trail byte
    auto unitAt = [&](std::size_t at) {
        return static_cast<char32_t>(static_cast<unsigned char>(bytes_[at]) |
                                     static_cast<unsigned char>(bytes_[at + 1]) << 8);
    };
    if (pos + 2 > end) return {kReplacement, 1};  // a lone byte at the end of the file
    const char32_t unit = unitAt(pos);
    if (unit >= 0xD800 && unit <= 0xDBFF && pos + 4 <= end) {
        const char32_t low = unitAt(pos + 2);
        if (low >= 0xDC00 && low <= 0xDFFF) return {0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), 4};
    }
    return {unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit, 2};
}

ProfileText::Line ProfileText::LastLine() const {
    Line last{bytes_.size(), bytes_.size(), bytes_.size()};
    for (std::size_t pos = utf16_ ? 2 : 0; pos < bytes_.size(); pos = last.next) last = LineAt(pos);
    return last;
}

ProfileText::Parsed ProfileText::Parse(const Line& line) const {
    Parsed p;
    for (std::size_t pos = line.begin; pos < line.end;) {
        const ShiftJisCharacter c = CharacterAt(pos, line.end);
        p.offsets.push_back(pos);
        p.text += c.code;
        pos += c.length;
    }
    p.offsets.push_back(line.end);

    std::size_t begin = 0, end = p.text.size();
    auto trim = [&](std::size_t& b, std::size_t& e) {
        while (b < e && IsBlank(p.text[b])) ++b;
        while (e > b && IsBlank(p.text[e - 1])) --e;
    };
    trim(begin, end);
    if (begin == end) return p;
    const std::size_t close = p.text[begin] == '[' ? p.text.rfind(']', end - 1) : std::u32string::npos;
    if (close != std::u32string::npos && close > begin) {
        std::size_t nameBegin = begin + 1, nameEnd = close;
        trim(nameBegin, nameEnd);
        p.kind = Parsed::Kind::Section;
        p.name = p.text.substr(nameBegin, nameEnd - nameBegin);
        return p;
    }
    if (p.text[begin] == ';') {
        p.kind = Parsed::Kind::Comment;
        return p;
    }
    p.kind = Parsed::Kind::Key;
    std::size_t nameEnd = end;
    p.valueBegin = p.valueEnd = end;
    const std::size_t equals = p.text.find('=', begin);
    if (equals < end) {
        nameEnd = equals;
        p.valueBegin = equals + 1;
        trim(p.valueBegin, p.valueEnd);
    }
    trim(begin, nameEnd);
    p.name = p.text.substr(begin, nameEnd - begin);
    return p;
}

ProfileText::Place ProfileText::Find(const std::string& section, const std::string& key) const {
    const std::u32string sectionName = ToCodePoints(section), keyName = ToCodePoints(key);
    Place place;
    for (std::size_t pos = utf16_ ? 2 : 0; pos < bytes_.size();) {
        const Line line = LineAt(pos);
        pos = line.next;
        Parsed parsed = Parse(line);
        if (parsed.kind == Parsed::Kind::Section) {
            if (place.header) break;  // the first section of that name has ended
            if (SameName(parsed.name, sectionName)) place.header = line;
        } else if (place.header && parsed.kind == Parsed::Kind::Key) {
            place.lastKey = line;
            if (SameName(parsed.name, keyName)) {
                place.key = line;
                place.parsedKey = std::move(parsed);
                break;
            }
        }
    }
    return place;
}

std::optional<std::string> ProfileText::Read(const std::string& section, const std::string& key) const {
    const Place place = Find(section, key);
    if (!place.key) return std::nullopt;
    const Parsed& p = place.parsedKey;
    std::size_t begin = p.valueBegin, end = p.valueEnd;
    if (end - begin >= 2 && (p.text[begin] == '"' || p.text[begin] == '\'') && p.text[end - 1] == p.text[begin]) {
        ++begin;
        --end;
    }
    const std::size_t limit = kValueUnits * (utf16_ ? 2 : 1);
    while (end > begin && p.offsets[end] - p.offsets[begin] > limit) --end;
    return ToUtf8(p.text, begin, end);
}

std::optional<std::string> ProfileText::Encode(const std::string& utf8) const {
    if (!IsValidUtf8(utf8)) return std::nullopt;
    if (!utf16_) return Utf8ToShiftJis(utf8);
    std::string bytes;
    for (const char16_t unit : Utf8ToUtf16(utf8)) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

bool ProfileText::Write(const std::string& section, const std::string& key, const std::string& value) {
    for (const std::string* text : {&section, &key, &value})
        if (text->find_first_of(std::string("\r\n\0", 3)) != std::string::npos) return false;
    const Place place = Find(section, key);
    const std::string spelledKey =
        place.key ? ToUtf8(place.parsedKey.name, 0, place.parsedKey.name.size()) : key;
    const std::optional<std::string> line = Encode(spelledKey + "=" + value);
    const std::string lineEnd = *Encode("\r\n");
    if (!line) return false;
    if (place.key) {
        bytes_.replace(place.key->begin, place.key->end - place.key->begin, *line);
        return true;
    }
    if (place.header) {
        const Line& after = place.lastKey ? *place.lastKey : *place.header;
        bytes_.insert(after.next, (after.next == after.end ? lineEnd : "") + *line + lineEnd);
        return true;
    }
    const std::optional<std::string> header = Encode("[" + section + "]");
    if (!header) return false;
    const Line last = LastLine();
    const std::string tail = last.next == last.end && last.end > last.begin ? lineEnd : "";
    bytes_ += tail + *header + lineEnd + *line + lineEnd;
    return true;
}

}  // namespace morvantis::host
