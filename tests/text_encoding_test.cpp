// UTF-8 and UTF-16 of the host, at every length boundary, with what is not valid text.
#include <gtest/gtest.h>

#include <string>

#include "host/text_encoding.h"

namespace morvantis::host {
namespace {

TEST(TextEncoding, Utf8AndUtf16ConvertBothWaysAndBrokenTextBecomesTheReplacementCharacter) {
    const std::string text = u8"a\u007F\u0080\u07FF\u0800\uD7FF\uE000\uFFFF\U00010000\U0010FFFF";
    const std::u16string utf16 = u"a\u007F\u0080\u07FF\u0800\uD7FF\uE000\uFFFF\U00010000\U0010FFFF";
    EXPECT_EQ(Utf8ToUtf16(text), utf16);
    EXPECT_EQ(Utf16ToUtf8(utf16), text);
    EXPECT_EQ(Utf16ToUtf8(u"\xD800-\xDC00\xDFFF\xDBFF"), u8"\uFFFD-\uFFFD\uFFFD\uFFFD");  // lone surrogates
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xE0\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD");
    std::string appended;
    for (const char32_t code : {char32_t{0xDFFF}, char32_t{0x110000}}) AppendUtf8(appended, code);
    EXPECT_EQ(appended, u8"\uFFFD\uFFFD");
}

}  // namespace
}  // namespace morvantis::host
