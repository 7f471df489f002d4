// The saver host's settings: what music to play, the CD track to hold and the music file, kept
// in an INI file beside the host. The rules that turn the file into the current settings live
// here, free of any platform; the file itself is reached through a ProfileStore (the host's
// own reader and writer in profile_file_store.h, a map in fake_profile_store.h).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace morvantis::host {

struct Settings {
    std::int16_t BgmKind = 0;    // 0 none, 1 audio CD, 2 music file (MP3 or WAV); others: none
    std::int16_t BgmRepeat = 0;  // CD track to hold playback on; 0 plays the whole disc
    std::string BgmFile;         // full path of the music file; empty when none
    std::string BgmFolder;       // where the file-open dialog starts; not stored
};

inline constexpr int kBgmKindNone = 0;
inline constexpr int kBgmKindCd = 1;
inline constexpr int kBgmKindFile = 2;

// Reading and writing one key of an INI file. All strings are UTF-8; `file` is a full path.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    // The key's value, at most 255 of the file's units (bytes of Shift-JIS, 16-bit units of
    // UTF-16; a longer value is cut there); empty when the file, the section or the key is
    // missing.
    virtual std::string ReadIni(const std::string& section, const std::string& key,
                                const std::string& file) = 0;
    // Writes the key, creating the file and the section as needed; false when the key could
    // not be written (nobody is told: the next run reads the old value).
    virtual bool WriteIni(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& file) = 0;
};

// The one section and its three keys, exactly as stored.
inline constexpr char kSettingsSection[] = "Section";
inline constexpr char kKeyBgmKind[] = "BGM区分";
inline constexpr char kKeyBgmRepeat[] = "BGMﾘﾋﾟｰﾄ";
inline constexpr char kKeyBgmFile[] = "BGMﾌｧｲﾙ";
// Appended to the host's folder.
inline constexpr char kSettingsFileName[] = "\\モルヴァンティス.ini";

// Whether the settings file can hold `text` exactly: its bytes are Shift-JIS (code page 932)
// on every system, so a music file whose path has a character beyond it ("café.mp3", a Korean
// or Ukrainian name) cannot be stored without becoming another path.
bool SettingsFileCanHold(const std::string& text);

// hostFolder followed by kSettingsFileName, joined as they are (a drive root such as "C:\"
// gives a doubled separator, which Windows accepts).
std::string SettingsFilePath(const std::string& hostFolder);

// The folder part of a path: up to the last ":" or "\", without a trailing "\".
//   "C:\Music\theme.mp3" -> "C:\Music", "C:\theme.mp3" -> "C:", "C:theme.mp3" -> "C:",
//   "theme.mp3" -> "", "\\server\share\a.wav" -> "\\server\share"
std::string FolderOf(const std::string& path);

// The current settings from the settings file in `hostFolder`:
//   - "BGM区分" and "BGMﾘﾋﾟｰﾄ": an empty value gives 0; otherwise IniWholeNumber, and a value
//     that is not a whole 16-bit number after cutting down leaves 0.
//   - "BGMﾌｧｲﾙ": empty, or naming a file for which `fileExists` is false, gives no file, and
//     kind 2 (music file) then falls back to 0. Any other kind is kept; the file is checked
//     whatever the kind.
//   - BgmFolder: the host's folder when there is no file, else FolderOf(file).
// `fileExists` is normally FileExists (file_probe.h); an empty function counts every file as
// missing.
Settings LoadSettings(ProfileStore& store, const std::string& hostFolder,
                      const std::function<bool(const std::string&)>& fileExists);

// Writes "BGM区分", "BGMﾘﾋﾟｰﾄ" (decimal) and "BGMﾌｧｲﾙ" (as held, also when the kind is not 2),
// in this order. BgmFolder is not stored.
void SaveSettings(ProfileStore& store, const std::string& hostFolder, const Settings& settings);

}  // namespace morvantis::host
