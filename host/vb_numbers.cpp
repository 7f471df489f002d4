#include "host/vb_numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace morvantis::host {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";

bool IsBlank(char c) { return kBlanks.find(c) != std::string_view::npos; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Reading {
    double value;
    bool whole;  // the number took the whole text
};

// One number at the start of `text`: an optional sign, then what std::from_chars reads in its
// general format. The sign is taken here because from_chars refuses "+", and the character
// after it must be a digit or "." so that "inf", "nan" and a second sign stay refused. A
// value beyond the range of a double, either way, is no number.
std::optional<Reading> ReadNumber(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    if (text.empty() || !(text.front() == '.' || IsDigit(text.front()))) return std::nullopt;
    const char* last = text.data() + text.size();
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), last, value, std::chars_format::general);
    if (error != std::errc()) return std::nullopt;
    return Reading{negative ? -value : value, end == last};
}

template <typename Int>
std::optional<Int> TryRoundHalfEven(double value) {
    // nearbyint rounds halves to even in the default rounding mode, which the host never changes.
    const double whole = std::nearbyint(value);
    if (!(whole >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          whole <= static_cast<double>(std::numeric_limits<Int>::max())))
        return std::nullopt;
    return static_cast<Int>(whole);
}

}  // namespace

std::optional<double> ParseNumber(const std::string& text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) return std::nullopt;
    const std::optional<Reading> number =
        ReadNumber(std::string_view(text).substr(first, text.find_last_not_of(kBlanks) + 1 - first));
    if (!number || !number->whole) return std::nullopt;
    return number->value;
}

std::optional<std::int16_t> IniWholeNumber(const std::string& text) {
    const std::optional<double> value = ParseNumber(text);
    if (!value) return std::nullopt;
    const double whole = std::floor(*value);
    if (!(whole >= -32768.0 && whole <= 32767.0)) return std::nullopt;
    return static_cast<std::int16_t>(whole);
}

double LenientNumber(const std::string& text) {
    std::string packed = text;
    packed.erase(std::remove_if(packed.begin(), packed.end(), IsBlank), packed.end());
    const std::optional<Reading> number = ReadNumber(packed);
    return number ? number->value : 0.0;
}

std::optional<std::int32_t> TryRoundHalfEven32(double value) {
    return TryRoundHalfEven<std::int32_t>(value);
}

std::optional<std::int16_t> TryRoundHalfEven16(double value) {
    return TryRoundHalfEven<std::int16_t>(value);
}

std::int32_t RoundHalfEven32(double value) {
    if (std::isnan(value)) return 0;
    if (const std::optional<std::int32_t> rounded = TryRoundHalfEven32(value)) return *rounded;
    return value < 0 ? std::numeric_limits<std::int32_t>::min()
                     : std::numeric_limits<std::int32_t>::max();
}

}  // namespace morvantis::host
