#include "host/settings_store.h"

#include <optional>

#include "host/shift_jis.h"
#include "host/vb_numbers.h"

namespace morvantis::host {
namespace {

// An empty value, or one that is not a whole 16-bit number, leaves `setting` at its start (0).
void ReadWholeNumber(ProfileStore& store, const char* key, const std::string& file,
                     std::int16_t& setting) {
    if (const std::optional<std::int16_t> number =
            IniWholeNumber(store.ReadIni(kSettingsSection, key, file)))
        setting = *number;
}

}  // namespace

bool SettingsFileCanHold(const std::string& text) { return Utf8ToShiftJis(text).has_value(); }

std::string SettingsFilePath(const std::string& hostFolder) {
    return hostFolder + kSettingsFileName;
}

std::string FolderOf(const std::string& path) {
    // ":" and "\" are ASCII, so in UTF-8 they never occur inside another character.
    const std::size_t last = path.find_last_of(":\\");
    if (last == std::string::npos) return {};
    std::string folder = path.substr(0, last + 1);
    if (folder.back() == '\\') folder.pop_back();
    return folder;
}

Settings LoadSettings(ProfileStore& store, const std::string& hostFolder,
                      const std::function<bool(const std::string&)>& fileExists) {
    const std::string file = SettingsFilePath(hostFolder);
    Settings settings;
    ReadWholeNumber(store, kKeyBgmKind, file, settings.BgmKind);
    ReadWholeNumber(store, kKeyBgmRepeat, file, settings.BgmRepeat);

    settings.BgmFile = store.ReadIni(kSettingsSection, kKeyBgmFile, file);
    if (!settings.BgmFile.empty() && !(fileExists && fileExists(settings.BgmFile)))
        settings.BgmFile.clear();
    if (settings.BgmFile.empty() && settings.BgmKind == kBgmKindFile)
        settings.BgmKind = kBgmKindNone;

    settings.BgmFolder = settings.BgmFile.empty() ? hostFolder : FolderOf(settings.BgmFile);
    return settings;
}

void SaveSettings(ProfileStore& store, const std::string& hostFolder, const Settings& settings) {
    const std::string file = SettingsFilePath(hostFolder);
    store.WriteIni(kSettingsSection, kKeyBgmKind, std::to_string(settings.BgmKind), file);
    store.WriteIni(kSettingsSection, kKeyBgmRepeat, std::to_string(settings.BgmRepeat), file);
    store.WriteIni(kSettingsSection, kKeyBgmFile, settings.BgmFile, file);
}

}  // namespace morvantis::host
