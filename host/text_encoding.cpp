#include "host/text_encoding.h"

namespace morvantis::host {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsSurrogate(char32_t code) { return code >= 0xD800 && code <= 0xDFFF; }

}  // namespace

std::optional<char32_t> Utf8CodePoint(const std::string& text, std::size_t pos) {
    const std::size_t length = Utf8CharacterLength(text, pos);
    if (length == 0) return std::nullopt;
    const unsigned char lead = static_cast<unsigned char>(text[pos]);
    if (length == 1) return lead < 0x80 ? std::optional<char32_t>(lead) : std::nullopt;
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) code = code << 6 | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF || IsSurrogate(code)) return std::nullopt;
    return code;
}

void AppendUtf8(std::string& text, char32_t code) {
    if (code > 0x10FFFF || IsSurrogate(code)) code = kReplacement;
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | code >> 6);
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | code >> 12);
        text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | code >> 18);
        text += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::u16string Utf8ToUtf16(const std::string& utf8) {
    std::u16string utf16;
    for (std::size_t pos = 0; pos < utf8.size(); pos += Utf8CharacterLength(utf8, pos)) {
        const char32_t code = Utf8CodePoint(utf8, pos).value_or(kReplacement);
        if (code < 0x10000) {
            utf16 += static_cast<char16_t>(code);
        } else {
            utf16 += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            utf16 += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
    return utf16;
}

std::string Utf16ToUtf8(const std::u16string& utf16) {
    std::string utf8;
    for (std::size_t pos = 0; pos < utf16.size(); ++pos) {
        const char32_t unit = utf16[pos];
        const bool pair = unit >= 0xD800 && unit <= 0xDBFF && pos + 1 < utf16.size() &&
                          utf16[pos + 1] >= 0xDC00 && utf16[pos + 1] <= 0xDFFF;
        if (pair) {
            AppendUtf8(utf8, 0x10000 + ((unit - 0xD800) << 10) + (utf16[++pos] - 0xDC00));
        } else {
            AppendUtf8(utf8, unit);  // a lone surrogate becomes U+FFFD
        }
    }
    return utf8;
}

}  // namespace morvantis::host
