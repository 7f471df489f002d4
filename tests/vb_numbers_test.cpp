// The host's number conversions at the edges of their ranges: numbers beyond a double, and
// rounding halves to even into 32 and 16 bits. The syntax they accept is checked through the
// settings file and the command line.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "host/vb_numbers.h"

namespace morvantis::host {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(VbNumbers, ParseNumberBeyondTheRangeOfADouble) {
    EXPECT_EQ(ParseNumber("1e400"), kInf);
    EXPECT_EQ(ParseNumber("-1e400"), -kInf);
    EXPECT_EQ(ParseNumber("1e-400"), 0.0);
    EXPECT_EQ(ParseNumber("1e99999999999999999999999"), kInf);
    EXPECT_EQ(ParseNumber("0.000001e-99999999999999999999"), 0.0);
    // Many digits that still make an ordinary value.
    EXPECT_EQ(ParseNumber(std::string(400, '0') + "42"), 42.0);
    EXPECT_EQ(ParseNumber("1" + std::string(400, '0') + "e-400"), 1.0);
    EXPECT_EQ(ParseNumber("0." + std::string(400, '0') + "1e401"), 1.0);
}

TEST(VbNumbers, RoundingTakesHalvesToTheEvenNeighbourAndSaturatesOrRefusesBeyondTheRange) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const struct {
        double value;
        std::optional<std::int32_t> checked;
        std::int32_t saturated;
    } cases[] = {
        {0.5, 0, 0},          {1.5, 2, 2},        {2.5, 2, 2},         {-0.5, 0, 0},
        {-1.5, -2, -2},       {-2.5, -2, -2},     {2.49999, 2, 2},     {2.50001, 3, 3},
        {-2.50001, -3, -3},   {-1e-300, 0, 0},    {2147483647.4, kMax, kMax}, {-2147483648.5, kMin, kMin},
        {2147483647.5, std::nullopt, kMax},  // rounds to the even 2^31, one past the largest value
        {1e300, std::nullopt, kMax},         {kInf, std::nullopt, kMax},
        {-2147483649.0, std::nullopt, kMin}, {-kInf, std::nullopt, kMin},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TryRoundHalfEven32(c.value), c.checked) << c.value;
        EXPECT_EQ(RoundHalfEven32(c.value), c.saturated) << c.value;
    }
    EXPECT_EQ(TryRoundHalfEven16(32766.5), 32766);
    EXPECT_EQ(TryRoundHalfEven16(32767.5), std::nullopt);
    EXPECT_EQ(TryRoundHalfEven16(-32768.5), -32768);
    EXPECT_EQ(TryRoundHalfEven16(-32769.0), std::nullopt);
}

}  // namespace
}  // namespace morvantis::host
