// The settings store's files, read and written by the host itself (profile_text.h) through a
// WholeFile: the same bytes on every system, whatever its code page, where Windows' own
// profile functions would use the system's code page. Platform-free.
#pragma once

#include <string>

#include "host/settings_store.h"
#include "host/whole_file.h"

namespace morvantis::host {

class ProfileFileStore : public ProfileStore {
public:
    explicit ProfileFileStore(WholeFile& files) : files_(files) {}

    // Empty also when the file cannot be read.
    std::string ReadIni(const std::string& section, const std::string& key, const std::string& file) override;

    // Section and key are first cut to 127 characters (UTF-16 units), the longest the
    // settings' name fields hold. False, and the file untouched, when the file exists but
    // cannot be read, cannot hold the text exactly (ProfileText::Write) or cannot be replaced.
    bool WriteIni(const std::string& section, const std::string& key, const std::string& value,
                  const std::string& file) override;

private:
    WholeFile& files_;
};

}  // namespace morvantis::host
