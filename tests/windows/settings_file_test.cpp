// The settings file through the real private-profile functions under code page 932: the
// bytes of the stored keys, their order, the 255-byte read limit, Japanese paths; the code-page
// conversions; and the Win32 file probe.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "host/file_probe.h"
#include "host/settings_store.h"
#include "host/text_encoding.h"
#include "host/win32_profile_store.h"

namespace morvantis::host {
namespace {

std::string WideToUtf8(const std::wstring& wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

std::wstring Utf8ToWide(const std::string& utf8) {
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

// A private folder with a Japanese name in the temporary folder; files are made through the
// wide functions, so their names do not depend on the conversions under test.
class Win32SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "run under the Japanese locale (scripts/wine-run.sh)";
        wchar_t temp[MAX_PATH];
        ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
        folder_ = std::wstring(temp) + L"モルヴァンティス試験_" + std::to_wstring(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr) ||
                    GetLastError() == ERROR_ALREADY_EXISTS);
        host = WideToUtf8(folder_);
    }

    void TearDown() override {
        for (auto it = created_.rbegin(); it != created_.rend(); ++it)
            if (!DeleteFileW(it->c_str())) RemoveDirectoryW(it->c_str());
        DeleteFileW((folder_ + L"\\モルヴァンティス.ini").c_str());
        RemoveDirectoryW(folder_.c_str());
    }

    std::string MakeFile(const std::wstring& name, const std::string& bytes = "data") {
        const std::wstring path = folder_ + L"\\" + name;
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        created_.push_back(path);
        return WideToUtf8(path);
    }

    std::string MakeFolder(const std::wstring& name) {
        const std::wstring path = folder_ + L"\\" + name;
        CreateDirectoryW(path.c_str(), nullptr);
        created_.push_back(path);
        return WideToUtf8(path);
    }

    std::string ReadBytes(const std::string& utf8Path) const {
        HANDLE file = CreateFileW(Utf8ToWide(utf8Path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return "(missing)";
        std::string bytes(65536, '\0');
        DWORD read = 0;
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
        CloseHandle(file);
        bytes.resize(read);
        return bytes;
    }

    std::string IniPath() const { return SettingsFilePath(host); }

    std::string host;  // UTF-8, Japanese
    Win32ProfileStore store;

private:
    std::wstring folder_;
    std::vector<std::wstring> created_;
};

TEST_F(Win32SettingsTest, CodePageConversionsAtTheBoundary) {
    EXPECT_EQ(Utf8ToAnsi("BGM区分"), "\x42\x47\x4D\x8B\xE6\x95\xAA");
    EXPECT_EQ(Utf8ToAnsi("BGMﾘﾋﾟｰﾄ"), "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4");
    EXPECT_EQ(Utf8ToAnsi("BGMﾌｧｲﾙ"), "\x42\x47\x4D\xCC\xA7\xB2\xD9");
    for (const char* text : {"BGM区分", "BGMﾘﾋﾟｰﾄ", "BGMﾌｧｲﾙ", "C:\\ソフト\\曲.mp3", ""})
        EXPECT_EQ(AnsiToUtf8(Utf8ToAnsi(text)), text);
    // NUL bytes are kept; what the code page lacks, and broken UTF-8, become "?".
    EXPECT_EQ(Utf8ToAnsi(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(Utf8ToAnsi("한"), "?");
    EXPECT_EQ(Utf8ToAnsi("\xFF"), "?");
    EXPECT_FALSE(AnsiToUtf8("a\x8B").empty());  // a lead byte cut off at the end
}

TEST_F(Win32SettingsTest, SavedFileHoldsTheSectionAndKeysInOrder) {
    Settings s;
    s.BgmKind = 2;
    s.BgmRepeat = 3;
    s.BgmFile = "C:\\曲\\a b.mp3";
    SaveSettings(store, host, s);
    EXPECT_NE(store.LastResult(), 0);
    const std::string expected =
        "[Section]\r\n"
        "\x42\x47\x4D\x8B\xE6\x95\xAA=2\r\n"
        "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4=3\r\n"
        "\x42\x47\x4D\xCC\xA7\xB2\xD9=C:\\\x8B\xC8\\a b.mp3\r\n";
    EXPECT_EQ(ReadBytes(IniPath()), expected);

    // A second save rewrites the values in place; the order stays.
    s.BgmKind = 1;
    s.BgmFile = "";
    SaveSettings(store, host, s);
    std::string rewritten = expected;
    rewritten.replace(rewritten.find("=2"), 2, "=1");
    rewritten.replace(rewritten.find("=C:"), std::string("=C:\\\x8B\xC8\\a b.mp3").size(), "=");
    EXPECT_EQ(ReadBytes(IniPath()), rewritten);

    EXPECT_EQ(store.ReadIni("Section", "BGM区分", IniPath()), "1");
    EXPECT_EQ(store.ReadIni("section", "BGMﾘﾋﾟｰﾄ", IniPath()), "3");
    EXPECT_EQ(store.ReadIni("Section", "BGMﾌｧｲﾙ", IniPath()), "");
}

TEST_F(Win32SettingsTest, ReadsStopAt255BytesAndNeverSplitACharacter) {
    const struct {
        const char* key;
        std::string value;
        std::string expected;
    } cases[] = {
        {"ascii", std::string(300, 'a'), std::string(255, 'a')},
        {"exact", std::string(255, 'b'), std::string(255, 'b')},
        // 200 double-byte characters: 127 of them fill 254 bytes, the 128th would not fit.
        {"even", [] { std::string v; for (int i = 0; i < 200; ++i) v += "区"; return v; }(),
         [] { std::string v; for (int i = 0; i < 127; ++i) v += "区"; return v; }()},
        {"odd", [] { std::string v = "a"; for (int i = 0; i < 200; ++i) v += "区"; return v; }(),
         [] { std::string v = "a"; for (int i = 0; i < 127; ++i) v += "区"; return v; }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        store.WriteIni("Section", c.key, c.value, IniPath());
        EXPECT_EQ(store.ReadIni("Section", c.key, IniPath()), c.expected);
    }
}

TEST_F(Win32SettingsTest, MissingPartsReadAsEmpty) {
    EXPECT_EQ(store.ReadIni("Section", "BGM区分", IniPath()), "");  // no file
    store.WriteIni("Section", "BGM区分", "1", IniPath());
    EXPECT_EQ(store.ReadIni("Section", "BGMﾘﾋﾟｰﾄ", IniPath()), "");
    EXPECT_EQ(store.ReadIni("Other", "BGM区分", IniPath()), "");

    const Settings s = LoadSettings(store, host + "\\none", FileExists);
    EXPECT_EQ(s.BgmKind, 0);
    EXPECT_EQ(s.BgmFolder, host + "\\none");
}

TEST_F(Win32SettingsTest, LongKeysAreCutTo127Characters) {
    const std::string key(130, 'k');
    store.WriteIni("Section", key, "v", IniPath());
    EXPECT_EQ(store.ReadIni("Section", key.substr(0, 127), IniPath()), "v");
    EXPECT_EQ(store.ReadIni("Section", key, IniPath()), "");
}

TEST_F(Win32SettingsTest, LoadSettingsFindsAMusicFileWithAJapaneseName) {
    const std::string song = MakeFile(L"テーマ 曲.wav");
    Settings s;
    s.BgmKind = 2;
    s.BgmFile = song;
    SaveSettings(store, host, s);
    Settings loaded = LoadSettings(store, host, FileExists);
    EXPECT_EQ(loaded.BgmKind, 2);
    EXPECT_EQ(loaded.BgmFile, song);
    EXPECT_EQ(loaded.BgmFolder, host);

    s.BgmFile = host + "\\消えた.wav";
    SaveSettings(store, host, s);
    loaded = LoadSettings(store, host, FileExists);
    EXPECT_EQ(loaded.BgmKind, 0);
    EXPECT_EQ(loaded.BgmFile, "");
}

TEST_F(Win32SettingsTest, FileExistsOnlyForReadableFiles) {
    const std::string file = MakeFile(L"曲.mp3");
    const std::string folder = MakeFolder(L"フォルダ");
    const std::string unrepresentable = MakeFile(L"\uD55C.mp3");  // Hangul: not in code page 932
    const struct {
        std::string path;
        bool exists;
    } cases[] = {
        {file, true},           {file + "\\", true},      {file + "\\\\", false},
        {folder, false},        {folder + "\\", false},   {host + "\\missing.mp3", false},
        {"", false},            {"\\", false},            {"NUL", false},
        {unrepresentable, false}, {host + "\\*.mp3", false},
        {file + std::string(1, '\0') + "x", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FileExists(c.path), c.exists);
    }
    EXPECT_EQ(GetFileAttributesW(Utf8ToWide(host + "\\missing.mp3").c_str()),
              INVALID_FILE_ATTRIBUTES);  // nothing was created
}

}  // namespace
}  // namespace morvantis::host
