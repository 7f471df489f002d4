// The settings rules: defaults, the checks of the music file, the number rules of the two
// numeric keys, the folder of the file-open dialog, and what a save writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "host/fake_profile_store.h"
#include "host/file_probe.h"
#include "host/settings_store.h"

namespace morvantis::host {
namespace {

const std::string kHost = "C:\\Saver";
const std::string kIni = "C:\\Saver\\モルヴァンティス.ini";

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetFile(const char* key, const std::string& value) {
        store.Set(kSettingsSection, key, value, kIni);
    }
    Settings Load() {
        return LoadSettings(store, kHost, [this](const std::string& path) {
            probed.push_back(path);
            return existing.count(path) != 0;
        });
    }

    FakeProfileStore store;
    std::set<std::string> existing;
    std::vector<std::string> probed;
};

TEST_F(SettingsStoreTest, NoFileGivesDefaultsAndTheHostFolder) {
    // Values elsewhere do not count: another file, another section.
    store.Set(kSettingsSection, kKeyBgmKind, "1", "C:\\Other\\モルヴァンティス.ini");
    store.Set("Other", kKeyBgmKind, "1", kIni);
    const Settings s = Load();
    EXPECT_EQ(s.BgmKind, 0);
    EXPECT_EQ(s.BgmRepeat, 0);
    EXPECT_EQ(s.BgmFile, "");
    EXPECT_EQ(s.BgmFolder, kHost);
    EXPECT_EQ(store.reads, 3);
    EXPECT_EQ(SettingsFilePath("C:\\"), "C:\\\\モルヴァンティス.ini");  // doubled, as Windows takes it
}

TEST_F(SettingsStoreTest, MusicFileThatIsGoneClearsTheFile) {
    const struct {
        const char* kind;
        const char* file;
        int expectedKind;
    } cases[] = {{"2", "D:\\gone.mp3", 0}, {"1", "D:\\gone.mp3", 1}, {"7", "D:\\gone.mp3", 7},
                 {"2", "", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.file);
        SetFile(kKeyBgmKind, c.kind);
        SetFile(kKeyBgmFile, c.file);
        const Settings s = Load();
        EXPECT_EQ(s.BgmKind, c.expectedKind);
        EXPECT_EQ(s.BgmFile, "");
        EXPECT_EQ(s.BgmFolder, kHost);
    }
    EXPECT_EQ(probed, std::vector<std::string>(3, "D:\\gone.mp3"));  // an empty name is not probed
}

TEST_F(SettingsStoreTest, NumericKeysReadAsWholeNumbersOrZero) {
    // (2 as the kind would fall back to 0 here, for want of a music file.)
    const struct {
        const char* value;
        int number;
    } cases[] = {{"1", 1},  {"abc", 0}, {"1.9", 1},  {"-0.5", -1}, {"40000", 0},
                 {"", 0},   {" 4 ", 4}, {"&H4", 0},  {"1,5", 0},   {"-32768", -32768}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        SetFile(kKeyBgmKind, c.value);
        SetFile(kKeyBgmRepeat, c.value);
        const Settings s = Load();
        EXPECT_EQ(s.BgmKind, c.number);
        EXPECT_EQ(s.BgmRepeat, c.number);
    }
}

TEST_F(SettingsStoreTest, SaveWritesTheThreeKeysInOrderAndLoadsBack) {
    Settings s;
    s.BgmKind = 2;
    s.BgmRepeat = -3;
    s.BgmFile = "D:\\曲 集\\テーマ.wav";
    s.BgmFolder = "ignored";
    SaveSettings(store, kHost, s);
    const std::vector<FakeProfileStore::Write> expected = {
        {"Section", "BGM区分", "2", kIni},
        {"Section", "BGMﾘﾋﾟｰﾄ", "-3", kIni},
        {"Section", "BGMﾌｧｲﾙ", "D:\\曲 集\\テーマ.wav", kIni},
    };
    EXPECT_EQ(store.writes, expected);

    existing.insert(s.BgmFile);
    const Settings back = Load();
    EXPECT_EQ(back.BgmKind, 2);
    EXPECT_EQ(back.BgmRepeat, -3);
    EXPECT_EQ(back.BgmFile, s.BgmFile);
    EXPECT_EQ(back.BgmFolder, "D:\\曲 集");
}

TEST(SettingsStore, FoldersAreNotMusicFiles) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() /
                         ("morvantis_settings_" +
                          std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::create_directories(dir / "folder");
    std::ofstream(dir / "song.mp3") << "x";
    const std::string folder = (dir / "folder").string();
    const std::string song = (dir / "song.mp3").string();

    const struct {
        std::string file;
        bool kept;
    } cases[] = {{folder, false}, {folder + "\\", false}, {song, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        FakeProfileStore store;
        store.Set(kSettingsSection, kKeyBgmKind, "2", kIni);
        store.Set(kSettingsSection, kKeyBgmFile, c.file, kIni);
        const Settings s = LoadSettings(store, kHost, FileExists);
        EXPECT_EQ(s.BgmKind, c.kept ? 2 : 0);
        EXPECT_EQ(s.BgmFile, c.kept ? c.file : "");
        // Without a probe every file counts as missing.
        EXPECT_EQ(LoadSettings(store, kHost, {}).BgmKind, 0);
    }
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
