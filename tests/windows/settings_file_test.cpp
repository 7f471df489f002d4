// The settings file and the file probe through the W functions, in whatever locale Wine runs
// (the tests run under several): names outside the system's code page, the bytes a save
// writes, and replaces that never leave a half-written file or a temporary one behind.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "host/file_probe.h"
#include "host/profile_file_store.h"
#include "host/win32_whole_file.h"

namespace morvantis::host {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A private folder whose name no single-byte code page holds; files are made through wide
// paths, so that their names do not depend on the code under test.
class Win32SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / (L"モルヴァンティス試験_\uD55C_" + std::to_wstring(GetCurrentProcessId()));
        fs::create_directories(folder);
        host = folder.u8string();
    }
    void TearDown() override {
        fs::permissions(folder / L"モルヴァンティス.ini", fs::perms::owner_write, fs::perm_options::add, error);
        fs::remove_all(folder, error);
    }
    std::string MakeFile(const std::wstring& name) {
        std::ofstream(folder / name) << "data";
        return (folder / name).u8string();
    }
    std::size_t FilesInFolder() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {})); }

    fs::path folder;
    std::string host;  // UTF-8
    std::error_code error;
    Win32WholeFile files;
    ProfileFileStore store{files};
};

TEST_F(Win32SettingsTest, FileExistsForAnyNameWindowsHolds) {
    const std::string file = MakeFile(L"曲.mp3"), cafe = MakeFile(L"caf\u00E9.mp3"), hangul = MakeFile(L"\uD55C.mp3");
    fs::create_directory(folder / L"フォルダ");
    const std::string sub = (folder / L"フォルダ").u8string();
    const std::pair<std::string, bool> cases[] = {
        {file, true},   {file + "\\", true},      {cafe, true},  {hangul, true},  {sub, false},
        {sub + "\\", false}, {"NUL", false}, {host + "\\*.mp3", false}, {host + u8"¥曲.mp3", false},
        {host + "\\missing.mp3", false},
    };
    for (const auto& [path, exists] : cases) EXPECT_EQ(FileExists(path), exists) << path;
    EXPECT_FALSE(fs::exists(folder / L"missing.mp3"));  // nothing was created
}

TEST_F(Win32SettingsTest, ReplacesAreWholeAndAFileThatCannotBeWrittenStaysAsItWas) {
    const fs::path ini = folder / L"モルヴァンティス.ini";
    const std::string path = ini.u8string();
    EXPECT_EQ(files.Read(path).status, WholeFileRead::Status::Missing);
    EXPECT_TRUE(files.Replace(path, "one"));
    EXPECT_TRUE(files.Replace(path, std::string(3 << 20, 'x')));  // larger than one write
    EXPECT_EQ(files.Read(path).bytes.size(), 3u << 20);
    fs::remove(ini);
    EXPECT_TRUE(store.WriteIni("Section", u8"BGMﾌｧｲﾙ", u8"C:\\音楽\\ﾃｰﾏ①.mp3", path));
    const std::string saved = "[Section]\r\nBGM\xCC\xA7\xB2\xD9=C:\\\x89\xB9\x8A\x79\\\xC3\xB0\xCF\x87\x40.mp3\r\n";
    EXPECT_EQ(Contents(ini), saved) << "Shift-JIS, whatever the system's code page";
    EXPECT_EQ(FilesInFolder(), 1u) << "no temporary file is left";

    fs::permissions(ini, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);  // the read-only attribute
    EXPECT_FALSE(store.WriteIni("Section", "k", "v", path));
    EXPECT_EQ(Contents(ini), saved);
    EXPECT_EQ(FilesInFolder(), 1u) << "the temporary file is removed again";
    EXPECT_FALSE(files.Replace((folder / L"無い" / L"a.ini").u8string(), "x"));

    HANDLE locked = CreateFileW(ini.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(files.Read(path).status, WholeFileRead::Status::Failed);
    EXPECT_FALSE(store.WriteIni("Section", "k", "v", path));  // never replaced by a file made from nothing
    CloseHandle(locked);
    EXPECT_EQ(Contents(ini), saved);
}

}  // namespace
}  // namespace morvantis::host
