// Where a button keeps its properties between sessions: the container hands it a bag to read
// from when it creates the button from stored data and one to write into when it saves. The
// button needs only read-by-key with a default and write-by-key with a default; a value equal
// to its default is not stored, and a key that is not stored reads back as its default.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace morvantis::button {

// A font as the caption keeps it: the whole description, compared as a whole.
struct CaptionFont {
    std::string face;          // UTF-8
    double size_points = 0.0;  // 9.75 for the dialog's font
    std::int32_t weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    std::int32_t charset = 0;  // 128: Shift-JIS

    friend bool operator==(const CaptionFont& a, const CaptionFont& b) {
        return a.face == b.face && a.size_points == b.size_points && a.weight == b.weight &&
               a.italic == b.italic && a.underline == b.underline && a.strikethrough == b.strikethrough &&
               a.charset == b.charset;
    }
    friend bool operator!=(const CaptionFont& a, const CaptionFont& b) { return !(a == b); }
};

// "ＭＳ Ｐゴシック", 9.75 pt, regular, Shift-JIS: the face's and the caption's design font, and
// the font every button of the settings dialog carries.
CaptionFont DialogFont();

// Booleans, integers of any width, strings and fonts.
using PropertyValue = std::variant<bool, std::int32_t, std::string, CaptionFont>;

class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    virtual PropertyValue ReadProperty(const std::string& key, const PropertyValue& default_value) = 0;
    virtual void WriteProperty(const std::string& key, const PropertyValue& value,
                               const PropertyValue& default_value) = 0;
};

// A bag that keeps its entries in memory, in the order they were first written.
class MapPropertyBag : public PropertyBag {
public:
    MapPropertyBag() = default;
    explicit MapPropertyBag(std::vector<std::pair<std::string, PropertyValue>> entries);

    PropertyValue ReadProperty(const std::string& key, const PropertyValue& default_value) override;
    void WriteProperty(const std::string& key, const PropertyValue& value,
                       const PropertyValue& default_value) override;

    bool Contains(const std::string& key) const;
    std::optional<PropertyValue> Find(const std::string& key) const;
    // The stored keys, in order.
    std::vector<std::string> Keys() const;

private:
    std::vector<std::pair<std::string, PropertyValue>> entries_;
};

}  // namespace morvantis::button
