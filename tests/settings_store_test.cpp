// The settings rules: defaults, the checks of the music file, the number rule of the two
// numeric keys and the folder of the file-open dialog. What a save writes is checked on the
// file's bytes (profile_file_store_test.cpp).
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "host/fake_profile_store.h"
#include "host/settings_store.h"

namespace morvantis::host {
namespace {

const std::string kHost = "C:\\Saver";
const std::string kIni = "C:\\Saver\\モルヴァンティス.ini";
const std::string kSong = "D:\\曲 集\\テーマ.wav";

auto Fields(const Settings& s) { return std::make_tuple(int{s.BgmKind}, int{s.BgmRepeat}, s.BgmFile, s.BgmFolder); }

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetFile(const char* key, const std::string& value) { store.Set(kSettingsSection, key, value, kIni); }
    Settings Load() {
        return LoadSettings(store, kHost, [this](const std::string& path) {
            probed.push_back(path);
            return path == kSong;
        });
    }

    FakeProfileStore store;
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
    SetFile(kKeyBgmFile, kSong);
    EXPECT_EQ(Fields(Load()), std::make_tuple(2, 0, kSong, std::string("D:\\曲 集")));
}

TEST_F(SettingsStoreTest, NumericKeysReadAsWhole16BitNumbersOrZero) {
    // The whole value one decimal number, blanks only around it, cut down to a whole number.
    // (2 as the kind would fall back to 0 here, for want of a music file.)
    const std::pair<const char*, int> cases[] = {
        {"1", 1}, {"1.9", 1}, {"-0.5", -1}, {"+1", 1}, {"1E+2", 100}, {" \t4 \r\n", 4},
        {"32767.9", 32767}, {"32768", 0}, {"-32768", -32768}, {"-32768.1", 0}, {"1e400", 0},
        {"", 0}, {"abc", 0}, {"1 2", 0}, {"2 abc", 0}, {"inf", 0}, {"nan", 0}, {"&H4", 0}, {"0x10", 0},
    };
    for (const auto& [value, number] : cases) {
        SetFile(kKeyBgmKind, value);
        SetFile(kKeyBgmRepeat, value);
        EXPECT_EQ(Fields(Load()), std::make_tuple(number, number, std::string(), kHost)) << "'" << value << "'";
    }
}

TEST(FolderOf, TakesThePathUpToItsLastSeparator) {
    const char* cases[][2] = {
        {"C:\\Music\\theme.mp3", "C:\\Music"}, {"C:\\theme.mp3", "C:"}, {"C:theme.mp3", "C:"},
        {"theme.mp3", ""}, {"\\\\server\\share\\a.wav", "\\\\server\\share"}, {"", ""}, {"\\", ""},
        {"C:\\Music\\\\a.mp3", "C:\\Music\\"},  // only one separator comes off
        {"C:\\ソフト\\表.mp3", "C:\\ソフト"},  // "ソ" ends in byte 0x5C in code page 932, not in UTF-8
    };
    for (const auto& c : cases) EXPECT_EQ(FolderOf(c[0]), c[1]) << c[0];
}

}  // namespace
}  // namespace morvantis::host
