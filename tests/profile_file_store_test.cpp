// The settings store on whole files: a file the previous version wrote on a Japanese system
// loads as it did, a save writes the same bytes, and a file that cannot be read or replaced is
// left as it was.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "host/fake_whole_file.h"
#include "host/profile_file_store.h"

namespace morvantis::host {
namespace {

const std::string kHost = u8"C:\\ソフト";
const std::string kIni = u8"C:\\ソフト\\モルヴァンティス.ini";
// Written by the previous version through the profile functions under code page 932.
const std::string kJapaneseFile =
    "[Section]\r\nBGM\x8B\xE6\x95\xAA=2\r\nBGM\xD8\xCB\xDF\xB0\xC4=5\r\nBGM\xCC\xA7\xB2\xD9=D:\\\x8B\xC8\\\xC3\xB0\xCF.wav\r\n";

class ProfileFileStoreTest : public ::testing::Test {
protected:
    FakeWholeFile files;
    ProfileFileStore store{files};
};

TEST_F(ProfileFileStoreTest, AFileOfThePreviousVersionLoadsAndSavesAsTheSameBytes) {
    files.files[kIni] = kJapaneseFile;
    const Settings loaded = LoadSettings(store, kHost, [](const std::string& path) { return path == u8"D:\\曲\\ﾃｰﾏ.wav"; });
    EXPECT_EQ(std::make_tuple(int{loaded.BgmKind}, int{loaded.BgmRepeat}, loaded.BgmFile, loaded.BgmFolder),
              std::make_tuple(2, 5, std::string(u8"D:\\曲\\ﾃｰﾏ.wav"), std::string(u8"D:\\曲")));
    files.files.clear();
    SaveSettings(store, kHost, loaded);
    EXPECT_EQ(files.files[kIni], kJapaneseFile);
    EXPECT_EQ(files.replaces, 3);
    EXPECT_TRUE(store.WriteIni("Section", u8"BGM区分", "2", kIni));  // nothing changes: no write
    EXPECT_EQ(files.replaces, 3);
}

TEST_F(ProfileFileStoreTest, AFileThatCannotBeReadOrReplacedOrHoldTheTextStaysAsItWas) {
    EXPECT_EQ(store.ReadIni("Section", "k", kIni), "");  // no file
    files.files[kIni] = "[Section]\r\nk=old\r\n";
    files.unreadable.insert(kIni);
    EXPECT_EQ(store.ReadIni("Section", "k", kIni), "");
    EXPECT_FALSE(store.WriteIni("Section", "k", "new", kIni));
    EXPECT_EQ(files.replaces, 0);  // never replaced by a file made from nothing
    files.unreadable.clear();
    EXPECT_FALSE(store.WriteIni("Section", "k", u8"café", kIni));
    EXPECT_EQ(files.replaces, 0);
    EXPECT_EQ(std::make_pair(SettingsFileCanHold(u8"C:\\ﾃｰﾏ①.mp3"), SettingsFileCanHold(u8"C:\\café.mp3")),
              std::make_pair(true, false));
    files.replaceFails = true;
    EXPECT_FALSE(store.WriteIni("Section", "k", "new", kIni));
    EXPECT_EQ(store.ReadIni("section", "K", kIni), "old");
    // Names are cut to 127 UTF-16 units, the longest the name fields hold.
    files.replaceFails = false;
    EXPECT_TRUE(store.WriteIni("Section", std::string(130, 'n'), "v", kIni));
    EXPECT_EQ(store.ReadIni("Section", std::string(127, 'n'), kIni), "v");
}

}  // namespace
}  // namespace morvantis::host
