#include "host/button/property_bag.h"

#include <algorithm>

namespace morvantis::button {

CaptionFont DialogFont() {
    CaptionFont font;
    font.face = "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF";  // ＭＳ Ｐゴシック
    font.size_points = 9.75;
    font.weight = 400;
    font.charset = 128;
    return font;
}

MapPropertyBag::MapPropertyBag(std::vector<std::pair<std::string, PropertyValue>> entries)
    : entries_(std::move(entries)) {}

PropertyValue MapPropertyBag::ReadProperty(const std::string& key, const PropertyValue& default_value) {
    std::optional<PropertyValue> stored = Find(key);
    return stored ? *stored : default_value;
}

void MapPropertyBag::WriteProperty(const std::string& key, const PropertyValue& value,
                                   const PropertyValue& default_value) {
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == key; });
    if (value == default_value) {
        if (it != entries_.end()) entries_.erase(it);
        return;
    }
    if (it != entries_.end()) {
        it->second = value;
    } else {
        entries_.emplace_back(key, value);
    }
}

bool MapPropertyBag::Contains(const std::string& key) const { return Find(key).has_value(); }

std::optional<PropertyValue> MapPropertyBag::Find(const std::string& key) const {
    for (const auto& entry : entries_) {
        if (entry.first == key) return entry.second;
    }
    return std::nullopt;
}

std::vector<std::string> MapPropertyBag::Keys() const {
    std::vector<std::string> keys;
    for (const auto& entry : entries_) keys.push_back(entry.first);
    return keys;
}

}  // namespace morvantis::button
