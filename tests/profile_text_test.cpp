// The settings file's text: the reading rules of the profile functions, writes that keep every
// other byte, Shift-JIS and UTF-16LE files, and text a file cannot hold.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "host/profile_text.h"

namespace morvantis::host {
namespace {

const std::string kKindKey = "BGM\x8B\xE6\x95\xAA";  // "BGM区分" in Shift-JIS

std::optional<std::string> ReadFrom(const std::string& bytes, const char* section, const char* key) {
    return ProfileText(bytes).Read(section, key);
}

std::string Utf16(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

TEST(ProfileText, ReadsNamesWithoutCaseOrBlanksValuesWithoutBlanksOrOnePairOfQuotes) {
    const std::string file =
        "; a comment\r\nkey=outside\r\n  [ section ]  \r\n\tKEY\t = \t\"  spaced  \"\t\r\nquoted='a'\r\n"
        "twice=\"\"b\"\"\r\nodd=\"c'\r\nlone=\"\r\nbare\r\n;key=comment\r\n" + kKindKey + "=2\r\n"
        "[Section]\r\nsecond=section\r\n[section]\nkey=second\n";
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"key", "  spaced  "}, {"Quoted", "a"}, {"twice", "\"b\""}, {"odd", "\"c'"}, {"lone", "\""},
        {"bare", ""}, {";key", std::nullopt}, {u8"bgm区分", "2"}, {"second", std::nullopt}, {"missing", std::nullopt},
    };
    for (const auto& [key, value] : cases) EXPECT_EQ(ReadFrom(file, "SECTION", key), value) << key;
    EXPECT_EQ(ReadFrom(file, "other", "key"), std::nullopt);
    EXPECT_EQ(ReadFrom("", "section", "key"), std::nullopt);
    // Line ends of every kind; a "]" that is the trail byte of "ゾ" (83 5D) closes nothing.
    EXPECT_EQ(ReadFrom("[a]\r[\x83\x5D\rx=1\ny=2\r\n", "a", "y"), "2");
    EXPECT_EQ(ReadFrom("[\x83\x5D]\r\nx=3", u8"ゾ", "x"), "3");
}

TEST(ProfileText, ValuesAreCutAt255UnitsOfTheFileNeverInsideACharacter) {
    const std::string a300(300, 'a'), kanji200 = [] {
        std::string k;
        for (int i = 0; i < 200; ++i) k += "\x8B\xE6";
        return k;
    }();
    const std::pair<std::string, std::size_t> cases[] = {  // value bytes -> UTF-8 bytes read
        {a300, 255}, {kanji200, 127 * 3}, {"a" + kanji200, 1 + 127 * 3}, {"\"" + a300 + "\"", 255},
    };
    for (const auto& [value, length] : cases)
        EXPECT_EQ(ReadFrom("[s]\r\nk=" + value + "\r\n", "s", "k")->size(), length) << value.size();
    std::u16string faces;
    for (int i = 0; i < 127; ++i) faces += u"\U0001F600";  // two units each
    EXPECT_EQ(ReadFrom(Utf16(u"[s]\r\nk=" + faces + u"b\r\n"), "s", "k")->size(), 127 * 4u + 1);
    EXPECT_EQ(ReadFrom(Utf16(u"[s]\r\nk=ab" + faces), "s", "k")->size(), 2 + 126 * 4u);
}

TEST(ProfileText, WritesKeepEveryOtherByteAndPlaceNewKeysAtTheEndOfTheirSection) {
    // A UTF-8 byte-order mark is no mark here: its line is kept as it is, like bytes that are no
    // Shift-JIS and a line end without CR.
    const std::string head = "\xEF\xBB\xBF; first\r\n[Section]\r\n  bgm\x8B\xE6\x95\xAA = 1 \n";
    const std::string middle = "junk \x85\x40\x81\r\n; about the next one\r\n\r\n";
    ProfileText text(head + "bgmfile=x\r\n" + middle + "[Other]\r\nk=v");
    EXPECT_TRUE(text.Write("section", u8"BGM区分", "2"));       // in place, spelled as the file spells it
    EXPECT_TRUE(text.Write("Section", u8"BGMﾘﾋﾟｰﾄ", "3"));     // after the section's last key line
    EXPECT_TRUE(text.Write("Other", "new", "n"));              // after a last line without an end
    EXPECT_TRUE(text.Write(u8"Ｎｅｗ", "k", "1"));              // appended, with its section
    EXPECT_EQ(text.Bytes(), "\xEF\xBB\xBF; first\r\n[Section]\r\nbgm\x8B\xE6\x95\xAA=2\nbgmfile=x\r\n"
                            "junk \x85\x40\x81\r\nBGM\xD8\xCB\xDF\xB0\xC4=3\r\n; about the next one\r\n\r\n"
                            "[Other]\r\nk=v\r\nnew=n\r\n[\x82\x6D\x82\x85\x82\x97]\r\nk=1\r\n");
    ProfileText header("[Section]");
    EXPECT_TRUE(header.Write("Section", "k", ""));
    EXPECT_EQ(header.Bytes(), "[Section]\r\nk=\r\n");
}

TEST(ProfileText, ANewFileIsShiftJisAndAUtf16FileStaysUtf16) {
    ProfileText fresh("");
    for (const auto& [key, value] : {std::pair{u8"BGM区分", "2"}, {u8"BGMﾘﾋﾟｰﾄ", "0"}, {u8"BGMﾌｧｲﾙ", u8"C:\\曲\\a b.mp3"}})
        EXPECT_TRUE(fresh.Write("Section", key, value));
    EXPECT_FALSE(fresh.IsUtf16());
    EXPECT_EQ(fresh.Bytes(), "[Section]\r\n" + kKindKey + "=2\r\nBGM\xD8\xCB\xDF\xB0\xC4=0\r\n"
                             "BGM\xCC\xA7\xB2\xD9=C:\\\x8B\xC8\\a b.mp3\r\n");

    ProfileText wide(Utf16(u"[Section]\r\nBGM区分=1\r\n"));
    EXPECT_TRUE(wide.IsUtf16());
    EXPECT_EQ(wide.Read("section", u8"bgm区分"), "1");
    EXPECT_TRUE(wide.Write("Section", u8"BGMﾌｧｲﾙ", u8"C:\\café\\한.mp3"));  // UTF-16 holds any name
    EXPECT_TRUE(wide.Write("New", u8"BGM区分", "2"));
    EXPECT_EQ(wide.Bytes(), Utf16(u"[Section]\r\nBGM区分=1\r\nBGMﾌｧｲﾙ=C:\\café\\한.mp3\r\n[New]\r\nBGM区分=2\r\n"));
    // Pairs, units whose low byte is a line end's, lone surrogates, a lone byte at the end.
    EXPECT_EQ(ProfileText(Utf16(u"[s]\r\nk=\U0001F600\U0010FFFF\u4E0A\u0D0D\xDC00" u"a\xDC00\xD800") + "x").Read("s", "k"),
              u8"\U0001F600\U0010FFFF\u4E0A\u0D0D\uFFFDa\uFFFD\uFFFD\uFFFD");
    EXPECT_FALSE(wide.Write("Section", "k", "\xC3"));
}

TEST(ProfileText, TextTheFileCannotHoldLeavesItUnchanged) {
    const std::string before = "[Section]\r\n" + kKindKey + "=1\r\n";
    ProfileText text(before);
    for (const auto& [section, key, value] : {std::tuple{"Section", u8"BGMﾌｧｲﾙ", u8"C:\\café.mp3"},
                                             {"Section", u8"BGM区分", u8"한"}, {u8"Кафе ї", "k", "v"},
                                             {"Section", "k", "a\r\nb=c"}, {"Section", "k\n", "v"},
                                             {"Section", "k", "\xC3"}})
        EXPECT_FALSE(text.Write(section, key, value)) << key << value;
    EXPECT_FALSE(text.Write("Section", "k", std::string("a\0b", 3)));
    EXPECT_EQ(text.Bytes(), before);
}

}  // namespace
}  // namespace morvantis::host
