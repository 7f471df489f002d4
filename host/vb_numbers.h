// The saver host's number conversions. Each has its own rule, because each reads a different
// kind of text: the settings file (hand-editable, so read strictly), the command line (read
// leniently, like the value of a window handle that Windows appends) and the rounding of
// measured values into fixed-width integers.
//
// Number syntax shared by ParseNumber and LenientNumber (ASCII only, independent of the locale):
//
//     [sign] digits [ "." digits ] [ exponent ]      with at least one digit before or after "."
//     sign     = "+" | "-"
//     exponent = ("e" | "E") [sign] digits
//
// Not numbers: hexadecimal or octal forms ("&H10", "0x10"), thousands separators or a decimal
// comma ("1,5"), currency signs, "inf", "nan", full-width digits, and a value beyond the range
// of a double, too large or too small ("1e400", "1e-400"). Decimal text is rounded to the
// nearest double.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace morvantis::host {

// The whole text as one number. Blanks (space, tab, CR, LF) are allowed before and after it,
// nowhere else. Nothing when the text is empty, all blanks, or holds anything beyond one number.
//   " 12 " -> 12, "+1" -> 1, "1e2" -> 100, ".5" -> 0.5, "5." -> 5
//   "1 2", "1,5", "&H10", "1e", "-", "" -> nothing
std::optional<double> ParseNumber(const std::string& text);

// A settings value as a 16-bit whole number: ParseNumber, then the whole number at or below it
// (2.7 -> 2, -0.5 -> -1). Nothing when the text is not a number or the whole number lies outside
// -32768..32767; the caller then keeps its previous value.
std::optional<std::int16_t> IniWholeNumber(const std::string& text);

// A number read from the start of the text. Blanks (space, tab, CR, LF) are skipped wherever
// they stand, also inside the number ("1 2 3" -> 123, "- 5" -> -5); the number ends at the
// first other character that cannot continue it ("12ab" -> 12, "1.2.3" -> 1.2, "1e" -> 1,
// "1,5" -> 1). Text that does not start with a number gives 0 ("abc", ":12", "", "&H10").
double LenientNumber(const std::string& text);

// Rounding to the nearest whole number, halves to the even neighbour (0.5 -> 0, 1.5 -> 2,
// -2.5 -> -2). The checked forms give nothing when the rounded value does not fit; these are
// the conversions of the host whose overflow makes it skip the assignment.
std::optional<std::int32_t> TryRoundHalfEven32(double value);
std::optional<std::int16_t> TryRoundHalfEven16(double value);

// The same into 32 bits, saturating: below the range gives INT32_MIN, above it (and +infinity)
// INT32_MAX, NaN gives 0.
std::int32_t RoundHalfEven32(double value);

}  // namespace morvantis::host
