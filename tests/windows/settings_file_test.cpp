// The settings file through the real private-profile functions under code page 932 (the bytes
// a save writes are checked by the dialog's tests): the 255-byte read limit, the code-page
// conversions and the Win32 file probe.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "host/file_probe.h"
#include "host/settings_store.h"
#include "host/text_encoding.h"
#include "host/win32_profile_store.h"

namespace morvantis::host {
namespace {

namespace fs = std::filesystem;

// A private folder with a Japanese name; files are made through wide paths, so that their
// names do not depend on the conversions under test.
class Win32SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "run under the Japanese locale (scripts/wine-run.sh)";
        folder = fs::temp_directory_path() / (L"モルヴァンティス試験_" + std::to_wstring(GetCurrentProcessId()));
        fs::create_directories(folder);
        host = folder.u8string();
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string MakeFile(const std::wstring& name) {
        std::ofstream(folder / name) << "data";
        return (folder / name).u8string();
    }

    fs::path folder;
    std::string host;  // UTF-8
    Win32ProfileStore store;
};

TEST_F(Win32SettingsTest, ReadsStopAt255BytesAndNeverSplitACharacter) {
    std::string kanji200;  // "区" takes two bytes in code page 932, three in UTF-8
    for (int i = 0; i < 200; ++i) kanji200 += "区";
    const std::string kanji127 = kanji200.substr(0, 127 * 3);
    const std::pair<std::string, std::string> cases[] = {
        {std::string(300, 'a'), std::string(255, 'a')},
        {kanji200, kanji127},  // 254 bytes: the 128th character would be cut in two
        {"a" + kanji200, "a" + kanji127},
    };
    for (const auto& [value, expected] : cases) {
        store.WriteIni("Section", "key", value, SettingsFilePath(host));
        EXPECT_EQ(store.ReadIni("section", "KEY", SettingsFilePath(host)), expected) << value.size();
    }
}

TEST_F(Win32SettingsTest, FileExistsThroughTheCodePage) {
    const std::string file = MakeFile(L"曲.mp3");
    const std::string hangul = MakeFile(L"\uD55C.mp3");  // not in code page 932
    fs::create_directory(folder / L"フォルダ");
    const std::string sub = (folder / L"フォルダ").u8string();
    const std::pair<std::string, bool> cases[] = {
        {file, true},   {file + "\\", true},    {sub, false},  {sub + "\\", false}, {"NUL", false},
        {hangul, false}, {host + "\\*.mp3", false}, {host + "¥曲.mp3", false}, {host + "\\missing.mp3", false},
    };
    for (const auto& [path, exists] : cases) EXPECT_EQ(FileExists(path), exists) << path;
    EXPECT_FALSE(fs::exists(folder / L"missing.mp3"));  // nothing was created
    // No best-fit look-alikes: "¥" would become the path separator, "é" an "e".
    EXPECT_EQ(Utf8ToAnsi("C:¥é"), "C:??");
    EXPECT_EQ(AnsiToUtf8(Utf8ToAnsi("C:\\ソフト\\曲.mp3")), "C:\\ソフト\\曲.mp3");
}

}  // namespace
}  // namespace morvantis::host
