// Shift-JIS (code page 932) against the platform's own converter of that code page, code by
// code: natively the system's iconv (from which the table was generated), under Wine the
// Windows functions with code page 932 named explicitly (Windows' own mapping).
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "host/shift_jis.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace morvantis::host {
namespace {

#ifdef _WIN32
// Windows' 932 with best fit off: what it cannot map exactly gives nothing. (Single bytes are
// read without the error flag: Windows maps 0xA0 and 0xFD to 0xFF, yet the flag refuses them.)
std::optional<char32_t> ReferenceDecode(const std::string& bytes) {
    wchar_t wide[2] = {};
    const int n = MultiByteToWideChar(932, bytes.size() == 2 ? MB_ERR_INVALID_CHARS : 0, bytes.data(),
                                      static_cast<int>(bytes.size()), wide, 2);
    return n == 1 ? std::optional<char32_t>(wide[0]) : std::nullopt;
}
std::optional<std::string> ReferenceEncode(char32_t code) {
    const wchar_t wide = static_cast<wchar_t>(code);
    char bytes[4] = {};
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes, 4, nullptr, &usedDefault);
    return n > 0 && !usedDefault ? std::optional<std::string>(std::string(bytes, n)) : std::nullopt;
}
bool OnlyWindowsMaps(char32_t) { return false; }
#else
// iconv between CP932 and UTF-16LE (every code of 932 is in the BMP).
std::optional<std::string> Iconv(bool toShiftJis, std::string in) {
    static iconv_t descriptors[2] = {iconv_open("UTF-16LE", "CP932"), iconv_open("CP932", "UTF-16LE")};
    char out[8] = {}, *inPtr = in.data(), *outPtr = out;
    std::size_t inLeft = in.size(), outLeft = sizeof out;
    iconv(descriptors[toShiftJis], nullptr, nullptr, nullptr, nullptr);
    const bool whole = iconv(descriptors[toShiftJis], &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
    return whole && inLeft == 0 ? std::optional<std::string>(std::string(out, sizeof out - outLeft)) : std::nullopt;
}
std::optional<char32_t> ReferenceDecode(const std::string& bytes) {
    const std::optional<std::string> u = Iconv(false, bytes);
    if (!u || u->size() != 2) return std::nullopt;
    return static_cast<unsigned char>((*u)[0]) | static_cast<unsigned char>((*u)[1]) << 8;
}
// iconv also gives look-alikes (U+00A5 as "\"): only a code that comes back counts.
std::optional<std::string> ReferenceEncode(char32_t code) {
    const std::optional<std::string> bytes = Iconv(true, {static_cast<char>(code), static_cast<char>(code >> 8)});
    return bytes && ReferenceDecode(*bytes) == code ? bytes : std::nullopt;
}
// Bytes that Windows maps and iconv does not.
bool OnlyWindowsMaps(char32_t code) { return code == 0x80 || (code >= 0xF8F0 && code <= 0xF8F3); }
#endif

std::string Bytes(unsigned first, int second = -1) {
    std::string bytes(1, static_cast<char>(first));
    if (second >= 0) bytes += static_cast<char>(second);
    return bytes;
}

TEST(ShiftJis, EveryCodeDecodesAsThePlatformsOwnCodePage932) {
    int pairs = 0;
    for (unsigned first = 0; first < 0x100; ++first) {
        const ShiftJisCharacter single = DecodeShiftJis(Bytes(first), 0);
        if (single.code != 0x30FB || first < 0x80) {  // not a lead byte
            EXPECT_EQ(single.length, 1u);
            const std::optional<char32_t> reference = ReferenceDecode(Bytes(first));
            if (!OnlyWindowsMaps(single.code)) {
                EXPECT_EQ(reference, std::optional<char32_t>(single.code)) << first;
            }
            continue;
        }
        for (unsigned second = 0x40; second <= 0xFC; ++second) {
            if (second == 0x7F) continue;
            const ShiftJisCharacter pair = DecodeShiftJis(Bytes(first, second), 0);
            const std::optional<char32_t> reference = ReferenceDecode(Bytes(first, second));
            EXPECT_EQ(pair.length, 2u);
            EXPECT_EQ(pair.code, reference.value_or(0x30FB)) << std::hex << first << " " << second;
            pairs += reference.has_value();
        }
    }
    EXPECT_EQ(pairs, 9604);  // JIS X 0208, NEC and IBM extensions, 1880 user-defined
}

TEST(ShiftJis, EveryCharacterEncodesAsThePlatformWithoutLookAlikes) {
    for (char32_t code = 0; code < 0x10000; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF) continue;
        const std::optional<std::string> ours = EncodeShiftJis(code);
        if (OnlyWindowsMaps(code)) {
            ASSERT_TRUE(ours.has_value());
            EXPECT_EQ(DecodeShiftJis(*ours, 0).code, code);
        } else {
            EXPECT_EQ(ours, ReferenceEncode(code)) << std::hex << static_cast<unsigned>(code);
        }
    }
    EXPECT_EQ(EncodeShiftJis(0x1F600), std::nullopt);
}

TEST(ShiftJis, TextConvertsBothWaysAndAnyCharacterBeyondItRefusesTheWhole) {
    // ASCII, half-width katakana, kanji, NEC row 13, IBM extensions, the user-defined area.
    const std::string text = u8"C:\\ﾃｰﾏ\\曲①ⅰ\uE000.wav", bytes = "C:\\\xC3\xB0\xCF\\\x8B\xC8\x87\x40\xFA\x40\xF0\x40.wav";
    EXPECT_EQ(std::make_pair(Utf8ToShiftJis(text), ShiftJisToUtf8(bytes)), std::make_pair(std::optional(bytes), text));
    for (const char* beyond : {u8"café.mp3", u8"¥", u8"\u2212", u8"한.mp3", u8"ї.mp3", u8"😀", "\xC3", "\xC0\xAF"})
        EXPECT_EQ(Utf8ToShiftJis(beyond), std::nullopt) << beyond;
}

TEST(ShiftJis, BrokenBytesNeverReadPastTheTextNorSwallowALineEnd) {
    EXPECT_EQ(ShiftJisToUtf8("a\x81"), u8"a・");       // a lead byte at the end
    EXPECT_EQ(ShiftJisToUtf8("\x81\r\n"), u8"・\r\n");  // a lead byte before a line end
    EXPECT_EQ(ShiftJisToUtf8("\x85\x40"), u8"・");      // a pair that means nothing
    EXPECT_EQ(ShiftJisToUtf8(std::string("\x81\0", 2)), std::string(u8"・") + '\0');
}

}  // namespace
}  // namespace morvantis::host
