#include "host/vb_numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace morvantis::host {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

struct Reading {
    double value;
    const char* end;  // just after the last character of the number
};

// One number at the start of [first, last): an optional sign, then what std::from_chars reads
// in its general format. The sign is taken here because from_chars refuses "+", and the first
// character after it must be a digit or "." so that "inf", "nan" and a second sign stay
// refused. A value beyond the range of a double, either way, is no number.
std::optional<Reading> ReadNumber(const char* first, const char* last) {
    const bool negative = first != last && *first == '-';
    if (first != last && (*first == '-' || *first == '+')) ++first;
    if (first == last || !(*first == '.' || (*first >= '0' && *first <= '9'))) return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc()) return std::nullopt;
    return Reading{negative ? -value : value, end};
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
    const char* first = text.data();
    const char* last = first + text.size();
    while (first != last && IsBlank(*first)) ++first;
    while (last != first && IsBlank(last[-1])) --last;
    const std::optional<Reading> number = ReadNumber(first, last);
    if (!number || number->end != last) return std::nullopt;
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
    const std::optional<Reading> number = ReadNumber(packed.data(), packed.data() + packed.size());
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
