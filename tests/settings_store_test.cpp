// The settings rules: defaults, the checks of the music file, the number rules of the two
// numeric keys, the folder of the file-open dialog, what a save writes, and the file probe
// of the build's platform.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <tuple>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "host/fake_profile_store.h"
#include "host/file_probe.h"
#include "host/settings_store.h"

namespace morvantis::host {
namespace {

const std::string kHost = "C:\\Saver";
const std::string kIni = "C:\\Saver\\モルヴァンティス.ini";

auto Fields(const Settings& s) { return std::make_tuple(int{s.BgmKind}, int{s.BgmRepeat}, s.BgmFile, s.BgmFolder); }

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetFile(const char* key, const std::string& value) { store.Set(kSettingsSection, key, value, kIni); }
    Settings Load() {
        return LoadSettings(store, kHost, [this](const std::string& path) {
            probed.push_back(path);
            return existing.count(path) != 0;
        });
    }

    FakeProfileStore store;
    std::set<std::string> existing = {"D:\\曲 集\\テーマ.wav"};
    std::vector<std::string> probed;
};

TEST_F(SettingsStoreTest, NoFileGivesDefaultsAndTheHostFolder) {
    // Values elsewhere do not count: another file, another section.
    store.Set(kSettingsSection, kKeyBgmKind, "1", "C:\\Other\\モルヴァンティス.ini");
    store.Set("Other", kKeyBgmKind, "1", kIni);
    EXPECT_EQ(Fields(Load()), std::make_tuple(0, 0, std::string(), kHost));
    EXPECT_EQ(SettingsFilePath("C:\\"), "C:\\\\モルヴァンティス.ini");  // doubled, as Windows takes it
}

TEST_F(SettingsStoreTest, AMusicFileThatIsGoneIsClearedAndKind2FallsBackTo0) {
    const std::string kept = "D:\\曲 集\\テーマ.wav";
    const struct {
        const char *kind, *file;
        int expectedKind;
    } cases[] = {{"2", "D:\\gone.mp3", 0}, {"1", "D:\\gone.mp3", 1}, {"7", "D:\\gone.mp3", 7}, {"2", "", 0}};
    for (const auto& c : cases) {
        SetFile(kKeyBgmKind, c.kind);
        SetFile(kKeyBgmFile, c.file);
        EXPECT_EQ(Fields(Load()), std::make_tuple(c.expectedKind, 0, std::string(), kHost)) << c.kind << " " << c.file;
    }
    EXPECT_EQ(probed, std::vector<std::string>(3, "D:\\gone.mp3"));  // an empty name is not probed
    SetFile(kKeyBgmKind, "2");
    SetFile(kKeyBgmFile, kept);
    EXPECT_EQ(Fields(Load()), std::make_tuple(2, 0, kept, std::string("D:\\曲 集")));
}

TEST_F(SettingsStoreTest, NumericKeysReadAsWhole16BitNumbersOrZero) {
    // The whole value must be one decimal number, then it is cut down to a whole number.
    // (2 as the kind would fall back to 0 here, for want of a music file.)
    const struct {
        const char* value;
        int number;
    } cases[] = {
        {"1", 1},         {"abc", 0},          {"1.9", 1},      {"-0.5", -1},      {"-2.7", -3},
        {"40000", 0},     {"32768", 0},        {"-32768", -32768}, {"-32768.1", 0}, {"32767.9", 32767},
        {"1e400", 0},     {"", 0},             {" \t4 \r\n", 4}, {"+1", 1},        {"5.", 5},
        {"1E+2", 100},    {"35e-1", 3},        {"&H4", 0},      {"0x10", 0},       {"1,5", 0},
        {"1 2", 0},       {"2 abc", 0},        {"1e", 0},       {"1.2.3", 0},      {"+-1", 0},
        {"１", 0},        {"inf", 0},          {"1e99999999999999999999999", 0},
    };
    for (const auto& c : cases) {
        SetFile(kKeyBgmKind, c.value);
        SetFile(kKeyBgmRepeat, c.value);
        const Settings s = Load();
        EXPECT_EQ(s.BgmKind, c.number) << "'" << c.value << "'";
        EXPECT_EQ(s.BgmRepeat, c.number) << "'" << c.value << "'";
    }
    // Many digits that still make an ordinary value; a NUL is a character like any other.
    for (const auto& [value, number] : {std::pair{std::string(400, '0') + "42", 42},
                                        {"1" + std::string(400, '0') + "e-400", 1},
                                        {"0." + std::string(400, '0') + "1e401", 1},
                                        {std::string("1\0", 2), 0}}) {
        SetFile(kKeyBgmRepeat, value);
        EXPECT_EQ(Load().BgmRepeat, number) << value;
    }
}

TEST_F(SettingsStoreTest, SaveWritesTheThreeKeysInOrderAndLoadsBack) {
    const Settings s{2, -3, "D:\\曲 集\\テーマ.wav", "ignored"};
    SaveSettings(store, kHost, s);
    const std::vector<FakeProfileStore::Write> expected = {
        {"Section", "BGM区分", "2", kIni},
        {"Section", "BGMﾘﾋﾟｰﾄ", "-3", kIni},
        {"Section", "BGMﾌｧｲﾙ", "D:\\曲 集\\テーマ.wav", kIni},
    };
    EXPECT_EQ(store.writes, expected);
    EXPECT_EQ(Fields(Load()), std::make_tuple(2, -3, s.BgmFile, std::string("D:\\曲 集")));
}

TEST(FileProbe, OnlyReadableRegularFilesAreMusicFiles) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() /
                         ("morvantis_probe_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::create_directories(dir / "folder");
    std::ofstream(dir / "song.mp3") << "x";
    const std::string folder = (dir / "folder").string(), song = (dir / "song.mp3").string();
    const std::string missing = (dir / "new.mp3").string();
    const struct {
        std::string path;
        bool exists;
    } cases[] = {
        {song, true},      {song + "\\", true},      {song + "\\\\", false},  // one trailing "\" is removed
        {folder, false},   {folder + "\\", false},   {missing, false},  {missing + "\\", false},
        {"", false},       {"\\", false},            {song + std::string(1, '\0') + "x", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileExists(c.path), c.exists) << c.path;
        FakeProfileStore store;
        store.Set(kSettingsSection, kKeyBgmKind, "2", kIni);
        store.Set(kSettingsSection, kKeyBgmFile, c.path, kIni);
        EXPECT_EQ(LoadSettings(store, kHost, FileExists).BgmKind, c.exists ? 2 : 0) << c.path;
        EXPECT_EQ(LoadSettings(store, kHost, {}).BgmKind, 0) << "without a probe every file is missing";
    }
    EXPECT_FALSE(fs::exists(missing)) << "probing creates nothing";
#ifndef _WIN32
    // The POSIX twin: a pipe, which would block an ordinary open, is no file either.
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(FileExists((dir / "pipe").string()));
#endif
    fs::remove_all(dir);
}

TEST(FolderOf, TakesThePathUpToItsLastSeparator) {
    const char* cases[][2] = {
        {"C:\\Music\\theme.mp3", "C:\\Music"},
        {"C:\\theme.mp3", "C:"},
        {"C:theme.mp3", "C:"},
        {"theme.mp3", ""},
        {"\\\\server\\share\\a.wav", "\\\\server\\share"},
        {"", ""},
        {"\\", ""},
        {"C:\\Music\\\\a.mp3", "C:\\Music\\"},  // only one separator comes off
        {"x\\y:z", "x\\y:"},
        // "ソ" ends in byte 0x5C in code page 932; in UTF-8 it is no separator.
        {"C:\\ソフト\\表.mp3", "C:\\ソフト"},
    };
    for (const auto& c : cases) EXPECT_EQ(FolderOf(c[0]), c[1]) << c[0];
}

}  // namespace
}  // namespace morvantis::host
