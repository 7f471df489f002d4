// The settings file through the Windows private-profile functions (GetPrivateProfileStringA,
// WritePrivateProfileStringA), so that the file holds the system's ANSI code page. Windows only;
// this header includes no OS header.
#pragma once

#include <string>

#include "host/settings_store.h"

namespace morvantis::host {

class Win32ProfileStore : public ProfileStore {
public:
    // GetPrivateProfileStringA into a 256-byte buffer with an empty default. The value is cut
    // to 255 ANSI bytes; when the cut would leave the first byte of a double-byte character
    // alone at the end, that byte is dropped too (254 bytes). Then converted to UTF-8.
    std::string ReadIni(const std::string& section, const std::string& key,
                        const std::string& file) override;

    // WritePrivateProfileStringA with every string converted to the ANSI code page. Section
    // and key are first cut to 127 characters (UTF-16 units), the longest the settings' name
    // fields hold. The result of the call is kept in LastResult and otherwise ignored.
    void WriteIni(const std::string& section, const std::string& key, const std::string& value,
                  const std::string& file) override;

    int LastResult() const { return lastResult_; }

private:
    int lastResult_ = 0;
};

}  // namespace morvantis::host
