// Rounding into 32 bits with saturation and into 16 bits. The number syntax, the range of a
// double and the checked 32-bit rounding are checked through the settings file and the
// command line.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

#include "host/vb_numbers.h"

namespace morvantis::host {
namespace {

TEST(VbNumbers, SaturatingAnd16BitRounding) {
    // Halves go to the even neighbour (checked through the command line); beyond the range
    // the saturating form gives the nearest end, NaN gives 0, and the 16-bit form nothing.
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const std::pair<double, std::int32_t> saturated[] = {
        {-2.5, -2},          {2147483647.4, kMax}, {2147483647.5, kMax}, {1e300, kMax}, {kInf, kMax},
        {-2147483648.5, kMin}, {-2147483649.0, kMin}, {-kInf, kMin}, {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& [value, rounded] : saturated) EXPECT_EQ(RoundHalfEven32(value), rounded) << value;
    const std::pair<double, std::optional<std::int16_t>> checked16[] = {
        {32766.5, 32766}, {32767.5, std::nullopt}, {-32768.5, -32768}, {-32769.0, std::nullopt}, {-1.5, -2},
    };
    for (const auto& [value, rounded] : checked16) EXPECT_EQ(TryRoundHalfEven16(value), rounded) << value;
}

}  // namespace
}  // namespace morvantis::host
