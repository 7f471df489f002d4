// The settings file through the real private-profile functions under code page 932: the
// bytes of the stored keys, their order, the 255-byte read limit, Japanese paths; the code-page
// conversions; and the Win32 file probe.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>

#include "host/file_probe.h"
#include "host/settings_store.h"
#include "host/text_encoding.h"
#include "host/win32_profile_store.h"

namespace morvantis::host {
namespace {

namespace fs = std::filesystem;

auto Fields(const Settings& s) { return std::make_tuple(int{s.BgmKind}, int{s.BgmRepeat}, s.BgmFile, s.BgmFolder); }

// A private folder with a Japanese name; files are made and read through wide paths, so that
// their names do not depend on the conversions under test.
class Win32SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "run under the Japanese locale (scripts/wine-run.sh)";
        folder = fs::temp_directory_path() /
                 (L"モルヴァンティス試験_" + std::to_wstring(GetCurrentProcessId()));
        fs::create_directories(folder);
        host = folder.u8string();
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string MakeFile(const std::wstring& name) {
        std::ofstream(folder / name) << "data";
        return (folder / name).u8string();
    }
    std::string IniBytes() const {
        std::ifstream in(folder / L"モルヴァンティス.ini", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string Ini() const { return SettingsFilePath(host); }

    fs::path folder;
    std::string host;  // UTF-8
    Win32ProfileStore store;
};

TEST_F(Win32SettingsTest, SavedFileHoldsTheSectionAndKeysInOrderAndIsRewrittenInPlace) {
    Settings s{2, 3, "C:\\曲\\a b.mp3", ""};
    SaveSettings(store, host, s);
    EXPECT_NE(store.LastResult(), 0);
    EXPECT_EQ(IniBytes(),
              "[Section]\r\n"
              "\x42\x47\x4D\x8B\xE6\x95\xAA=2\r\n"
              "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4=3\r\n"
              "\x42\x47\x4D\xCC\xA7\xB2\xD9=C:\\\x8B\xC8\\a b.mp3\r\n");
    s.BgmKind = 1;
    s.BgmFile = "";  // an empty value is written, not the key removed
    SaveSettings(store, host, s);
    EXPECT_EQ(IniBytes(),
              "[Section]\r\n"
              "\x42\x47\x4D\x8B\xE6\x95\xAA=1\r\n"
              "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4=3\r\n"
              "\x42\x47\x4D\xCC\xA7\xB2\xD9=\r\n");
    EXPECT_EQ(store.ReadIni("section", "BGMﾘﾋﾟｰﾄ", Ini()), "3");

    // Conversions: what the code page lacks, broken UTF-8 and best-fit look-alikes become "?".
    for (const char* text : {"C:\\ソフト\\曲.mp3", ""}) EXPECT_EQ(AnsiToUtf8(Utf8ToAnsi(text)), text);
    EXPECT_EQ(Utf8ToAnsi(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(Utf8ToAnsi("한"), "?");
    EXPECT_EQ(Utf8ToAnsi("C:¥é"), "C:??");
    EXPECT_EQ(Utf8ToAnsi("\xFF"), "?");
    EXPECT_FALSE(AnsiToUtf8("a\x8B").empty());  // a lead byte cut off at the end
}

TEST_F(Win32SettingsTest, ReadsStopAt255BytesAndNeverSplitACharacter) {
    std::string kanji200, kanji127;
    for (int i = 0; i < 200; ++i) kanji200 += "区";  // two bytes each in code page 932
    for (int i = 0; i < 127; ++i) kanji127 += "区";
    const struct {
        const char* key;
        std::string value, expected;
    } cases[] = {
        {"ascii", std::string(300, 'a'), std::string(255, 'a')},
        {"exact", std::string(255, 'b'), std::string(255, 'b')},
        {"even", kanji200, kanji127},  // 254 bytes: the 128th character would be cut in two
        {"odd", "a" + kanji200, "a" + kanji127},
    };
    for (const auto& c : cases) {
        store.WriteIni("Section", c.key, c.value, Ini());
        EXPECT_EQ(store.ReadIni("Section", c.key, Ini()), c.expected) << c.key;
    }
}

TEST_F(Win32SettingsTest, AMusicFileWithAJapaneseNameIsFoundUntilItIsGone) {
    const auto none = std::make_tuple(0, 0, std::string(), host);
    EXPECT_EQ(Fields(LoadSettings(store, host, FileExists)), none);  // no file yet
    Settings s{2, 0, MakeFile(L"テーマ 曲.wav"), ""};
    SaveSettings(store, host, s);
    EXPECT_EQ(Fields(LoadSettings(store, host, FileExists)), std::make_tuple(2, 0, s.BgmFile, host));
    fs::remove(folder / L"テーマ 曲.wav");
    EXPECT_EQ(Fields(LoadSettings(store, host, FileExists)), none);

    const std::string key(130, 'k');  // names are cut to 127 characters
    store.WriteIni("Section", key, "v", Ini());
    EXPECT_EQ(store.ReadIni("Section", key.substr(0, 127), Ini()), "v");
}

TEST_F(Win32SettingsTest, FileExistsThroughTheCodePage) {
    const std::string file = MakeFile(L"曲.mp3");
    const std::string hangul = MakeFile(L"\uD55C.mp3");  // not in code page 932
    fs::create_directory(folder / L"フォルダ");
    const std::string sub = (folder / L"フォルダ").u8string();
    const struct {
        std::string path;
        bool exists;
    } cases[] = {
        {file, true},    {file + "\\", true},  {sub, false},           {sub + "\\", false},
        {"NUL", false},  {hangul, false},      {host + "\\*.mp3", false}, {host + "¥曲.mp3", false},
        {host + "\\missing.mp3", false},
    };
    for (const auto& c : cases) EXPECT_EQ(FileExists(c.path), c.exists) << c.path;
    EXPECT_FALSE(fs::exists(folder / L"missing.mp3"));  // nothing was created
}

}  // namespace
}  // namespace morvantis::host
