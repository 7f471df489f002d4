// A ProfileStore held in memory, for tests: files, sections and keys in a map. Section and key names match without regard to ASCII case, as in the
// Windows functions. Values are kept whole (the 255-byte cut of the Windows store is not
// imitated).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "host/settings_store.h"
#include "host/text_encoding.h"

namespace morvantis::host {

class FakeProfileStore : public ProfileStore {
public:
    std::string ReadIni(const std::string& section, const std::string& key,
                        const std::string& file) override {
        return Get(section, key, file).value_or(std::string());
    }

    bool WriteIni(const std::string& section, const std::string& key, const std::string& value,
                  const std::string& file) override {
        Set(section, key, value, file);
        return true;
    }

    // Puts a value in place without logging it (a file edited by hand).
    void Set(const std::string& section, const std::string& key, const std::string& value,
             const std::string& file) {
        values_[Name(section, key, file)] = value;
    }

    std::optional<std::string> Get(const std::string& section, const std::string& key,
                                   const std::string& file) const {
        const auto found = values_.find(Name(section, key, file));
        if (found == values_.end()) return std::nullopt;
        return found->second;
    }

private:
    using Key = std::tuple<std::string, std::string, std::string>;
    static Key Name(const std::string& section, const std::string& key, const std::string& file) {
        return {file, AsciiUpper(section), AsciiUpper(key)};
    }

    std::map<Key, std::string> values_;
};

}  // namespace morvantis::host
