#include "host/vb_numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace morvantis::host {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Walks over [begin, end) of a text; in lenient mode blanks are invisible to the reader.
class Cursor {
public:
    Cursor(const std::string& text, std::size_t begin, std::size_t end, bool skipBlanks)
        : text_(text), pos_(begin), end_(end), skipBlanks_(skipBlanks) {
        SkipBlanks();
    }

    // The current character, or NUL at the end.
    char Peek() const { return pos_ < end_ ? text_[pos_] : '\0'; }
    bool AtEnd() const { return pos_ >= end_; }
    void Advance() {
        ++pos_;
        SkipBlanks();
    }
    std::size_t Position() const { return pos_; }
    void Seek(std::size_t pos) { pos_ = pos; }

private:
    void SkipBlanks() {
        if (skipBlanks_)
            while (pos_ < end_ && IsBlank(text_[pos_])) ++pos_;
    }

    const std::string& text_;
    std::size_t pos_;
    std::size_t end_;
    bool skipBlanks_;
};

struct ScannedNumber {
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
    std::int64_t exponent = 0;
};

// Far beyond any double; keeps the exponent's arithmetic clear of overflow.
constexpr std::int64_t kExponentCap = 1'000'000'000;

// Reads one number at the cursor. Nothing when the mantissa has no digit; otherwise the cursor
// stands after the last character that belongs to the number (an "e" without digits does not).
std::optional<ScannedNumber> Scan(Cursor& cursor) {
    ScannedNumber number;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
        number.negative = cursor.Peek() == '-';
        cursor.Advance();
    }
    for (; IsDigit(cursor.Peek()); cursor.Advance()) number.integerDigits += cursor.Peek();
    if (cursor.Peek() == '.') {
        cursor.Advance();
        for (; IsDigit(cursor.Peek()); cursor.Advance()) number.fractionDigits += cursor.Peek();
    }
    if (number.integerDigits.empty() && number.fractionDigits.empty()) return std::nullopt;

    if (cursor.Peek() == 'e' || cursor.Peek() == 'E') {
        const std::size_t marker = cursor.Position();
        cursor.Advance();
        bool negativeExponent = false;
        if (cursor.Peek() == '+' || cursor.Peek() == '-') {
            negativeExponent = cursor.Peek() == '-';
            cursor.Advance();
        }
        if (!IsDigit(cursor.Peek())) {
            cursor.Seek(marker);
            return number;
        }
        std::int64_t exponent = 0;
        for (; IsDigit(cursor.Peek()); cursor.Advance())
            if (exponent < kExponentCap) exponent = exponent * 10 + (cursor.Peek() - '0');
        number.exponent = negativeExponent ? -exponent : exponent;
    }
    return number;
}

// The power of ten of the first non-zero digit (123 -> 2, 0.05 -> -2); 0 for a zero mantissa.
std::int64_t DecimalMagnitude(const ScannedNumber& number) {
    const std::size_t firstInteger = number.integerDigits.find_first_not_of('0');
    if (firstInteger != std::string::npos)
        return static_cast<std::int64_t>(number.integerDigits.size() - firstInteger) - 1;
    const std::size_t firstFraction = number.fractionDigits.find_first_not_of('0');
    if (firstFraction != std::string::npos) return -static_cast<std::int64_t>(firstFraction) - 1;
    return 0;
}

double ToDouble(const ScannedNumber& number) {
    std::string text = number.integerDigits.empty() ? "0" : number.integerDigits;
    if (!number.fractionDigits.empty()) text += "." + number.fractionDigits;
    text += "e" + std::to_string(number.exponent);

    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        value = DecimalMagnitude(number) + number.exponent > 0
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    else if (error != std::errc())
        value = 0.0;  // unreachable: the text above is always well formed
    return number.negative ? -value : value;
}

// Nearest whole number, halves to even; infinities and NaN pass unchanged.
double RoundHalfEvenToWhole(double value) {
    if (!std::isfinite(value)) return value;
    const double below = std::floor(value);
    // Exact except for tiny negative values, where rounding cannot move it across 0.5.
    const double fraction = value - below;
    if (fraction > 0.5) return below + 1.0;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

template <typename Int>
std::optional<Int> TryRoundHalfEven(double value) {
    if (std::isnan(value)) return std::nullopt;
    const double whole = RoundHalfEvenToWhole(value);
    if (whole < static_cast<double>(std::numeric_limits<Int>::min()) ||
        whole > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(whole);
}

}  // namespace

std::optional<double> ParseNumber(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;

    Cursor cursor(text, begin, end, /*skipBlanks=*/false);
    const std::optional<ScannedNumber> number = Scan(cursor);
    if (!number || !cursor.AtEnd()) return std::nullopt;
    return ToDouble(*number);
}

std::optional<std::int16_t> IniWholeNumber(const std::string& text) {
    const std::optional<double> value = ParseNumber(text);
    if (!value) return std::nullopt;
    const double whole = std::floor(*value);
    if (!(whole >= -32768.0 && whole <= 32767.0)) return std::nullopt;
    return static_cast<std::int16_t>(whole);
}

double LenientNumber(const std::string& text) {
    Cursor cursor(text, 0, text.size(), /*skipBlanks=*/true);
    const std::optional<ScannedNumber> number = Scan(cursor);
    return number ? ToDouble(*number) : 0.0;
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
