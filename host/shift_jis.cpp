#include "host/shift_jis.h"

#include <array>
#include <cstdint>

#include "host/text_encoding.h"

namespace morvantis::host {
namespace {

constexpr char32_t kUnknown = 0x30FB;  // what Windows puts for a code that means nothing
constexpr std::size_t kTrails = 0xFC - 0x40 + 1;

constexpr std::uint16_t kDoubleByte[][kTrails] = {
#include "host/shift_jis_table.inc"
};
static_assert(sizeof kDoubleByte / sizeof kDoubleByte[0] == 60, "lead bytes 0x81-0x9F and 0xE0-0xFC");

bool IsLead(unsigned byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }
bool IsTrail(unsigned byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }
std::size_t Row(unsigned lead) { return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 0x1F; }

// Single bytes beyond ASCII: half-width katakana and the few that Windows gives the code
// points U+0080 and U+F8F0 to U+F8F3.
char32_t SingleByte(unsigned byte) {
    if (byte < 0x80) return byte;
    if (byte >= 0xA1 && byte <= 0xDF) return 0xFF61 + (byte - 0xA1);
    if (byte == 0x80) return 0x80;
    if (byte == 0xA0) return 0xF8F0;
    return 0xF8F1 + (byte - 0xFD);  // 0xFD to 0xFF
}

// Where one character has several codes, the one Windows writes ranks first (lowest).
int Rank(unsigned lead) {
    if (lead == 0x87) return 1;                  // NEC row 13
    if (lead >= 0xFA && lead <= 0xFC) return 2;  // IBM extensions
    if (lead == 0xED || lead == 0xEE) return 3;  // NEC-selected IBM extensions
    return 0;                                    // JIS X 0208, user-defined area
}

// The double-byte code of every BMP character that has one (0: none), built once.
const std::array<std::uint16_t, 0x10000>& EncodeTable() {
    static const auto* table = [] {
        auto* codes = new std::array<std::uint16_t, 0x10000>{};
        for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
            if (!IsLead(lead)) continue;
            for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
                const std::uint16_t code = kDoubleByte[Row(lead)][trail - 0x40];
                std::uint16_t& slot = (*codes)[code];
                if (code == 0 || (slot != 0 && Rank(slot >> 8) <= Rank(lead))) continue;
                slot = static_cast<std::uint16_t>(lead << 8 | trail);
            }
        }
        return codes;
    }();
    return *table;
}

}  // namespace

ShiftJisCharacter DecodeShiftJis(const std::string& bytes, std::size_t pos) {
    const unsigned lead = static_cast<unsigned char>(bytes[pos]);
    if (!IsLead(lead)) return {SingleByte(lead), 1};
    if (pos + 1 >= bytes.size()) return {kUnknown, 1};
    const unsigned trail = static_cast<unsigned char>(bytes[pos + 1]);
    if (!IsTrail(trail)) return {kUnknown, 1};
    const char32_t code = kDoubleByte[Row(lead)][trail - 0x40];
    return {code != 0 ? code : kUnknown, 2};
}

std::string ShiftJisToUtf8(const std::string& bytes) {
    std::string utf8;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const ShiftJisCharacter c = DecodeShiftJis(bytes, pos);
        AppendUtf8(utf8, c.code);
        pos += c.length;
    }
    return utf8;
}

std::optional<std::string> EncodeShiftJis(char32_t code) {
    if (code < 0x80) return std::string(1, static_cast<char>(code));
    if (code == 0x80) return std::string(1, '\x80');
    if (code >= 0xFF61 && code <= 0xFF9F) return std::string(1, static_cast<char>(0xA1 + (code - 0xFF61)));
    if (code == 0xF8F0) return std::string(1, '\xA0');
    if (code >= 0xF8F1 && code <= 0xF8F3) return std::string(1, static_cast<char>(0xFD + (code - 0xF8F1)));
    if (code > 0xFFFF) return std::nullopt;
    const std::uint16_t pair = EncodeTable()[code];
    if (pair == 0) return std::nullopt;
    return std::string{static_cast<char>(pair >> 8), static_cast<char>(pair & 0xFF)};
}

std::optional<std::string> Utf8ToShiftJis(const std::string& utf8) {
    std::string bytes;
    for (std::size_t pos = 0; pos < utf8.size(); pos += Utf8CharacterLength(utf8, pos)) {
        const std::optional<char32_t> code = Utf8CodePoint(utf8, pos);
        const std::optional<std::string> encoded = code ? EncodeShiftJis(*code) : std::nullopt;
        if (!encoded) return std::nullopt;
        bytes += *encoded;
    }
    return bytes;
}

}  // namespace morvantis::host
