// The host's number conversions: the strict reading of settings values, the lenient reading of
// the command line, and rounding halves to even, each at the edges of its rule.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "host/vb_numbers.h"

namespace morvantis::host {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(VbNumbers, ParseNumberAcceptsOnlyOneWholeDecimalNumber) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {" \t12 \r\n", 12}, {"+1", 1},   {"-3.25", -3.25}, {".5", 0.5},  {"5.", 5},
        {"1E+2", 100},      {"25e-1", 2.5}, {"", std::nullopt},   {" ", std::nullopt},
        {"abc", std::nullopt},  {"1 2", std::nullopt},  {"1,5", std::nullopt},
        {"&H10", std::nullopt}, {"0x10", std::nullopt}, {"1e", std::nullopt},
        {"-", std::nullopt},    {".", std::nullopt},    {"+-1", std::nullopt},
        {"1.2.3", std::nullopt}, {"inf", std::nullopt}, {"１", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseNumber(c.text), c.value);
    }
    // A NUL inside the text is a character like any other, not an end.
    EXPECT_EQ(ParseNumber(std::string("1\0", 2)), std::nullopt);
}

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

TEST(VbNumbers, IniWholeNumberCutsDownAndKeepsTo16Bits) {
    const struct {
        const char* text;
        std::optional<std::int16_t> value;
    } cases[] = {
        {"1.9", 1},        {"2.7", 2},          {"-0.5", -1},         {"-2.7", -3},
        {" 3 ", 3},        {"1e2", 100},        {"32767.9", 32767},   {"-32768", -32768},
        {"-32768.1", std::nullopt}, {"32768", std::nullopt},  {"40000", std::nullopt},
        {"1e400", std::nullopt},    {"-1e-400", 0},           {"abc", std::nullopt},
        {" ", std::nullopt},        {"2 abc", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IniWholeNumber(c.text), c.value);
    }
}

TEST(VbNumbers, LenientNumberReadsWhatStartsTheText) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {" 1 2 3 4", 1234}, {"- 5", -5},      {"\t9\r\n", 9},   {"12ab", 12},
        {"1.2.3", 1.2},     {"1,5", 1},       {"1 e 2", 100},    {"1e+", 1},
        {"2E-1x", 0.2},     {".5", 0.5},      {"   ", 0},        {":1234", 0},
        {"--5", 0},         {"&H10", 0},      {".", 0},          {"-1e400", -kInf},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(LenientNumber(c.text), c.value);
    }
}

TEST(VbNumbers, RoundingTakesHalvesToTheEvenNeighbour) {
    const struct {
        double value;
        std::int32_t rounded;
    } cases[] = {
        {0.5, 0},   {1.5, 2},     {2.5, 2},     {-0.5, 0},      {-1.5, -2}, {-2.5, -2},
        {2.49999, 2}, {2.50001, 3}, {-2.50001, -3}, {-1e-300, 0},
        {2147483647.4, 2147483647}, {-2147483648.5, -2147483648LL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(TryRoundHalfEven32(c.value), c.rounded);
        EXPECT_EQ(RoundHalfEven32(c.value), c.rounded);
    }
}

TEST(VbNumbers, RoundingOutsideTheRange) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    // 2147483647.5 rounds to the even 2^31, one past the largest value.
    for (double value : {2147483647.5, 2147483648.0, 1e300, kInf}) {
        EXPECT_EQ(TryRoundHalfEven32(value), std::nullopt) << value;
        EXPECT_EQ(RoundHalfEven32(value), kMax) << value;
    }
    for (double value : {-2147483649.0, -1e300, -kInf}) {
        EXPECT_EQ(TryRoundHalfEven32(value), std::nullopt) << value;
        EXPECT_EQ(RoundHalfEven32(value), kMin) << value;
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(TryRoundHalfEven32(nan), std::nullopt);
    EXPECT_EQ(RoundHalfEven32(nan), 0);

    EXPECT_EQ(TryRoundHalfEven16(32766.5), 32766);
    EXPECT_EQ(TryRoundHalfEven16(32767.5), std::nullopt);
    EXPECT_EQ(TryRoundHalfEven16(-32768.5), -32768);
    EXPECT_EQ(TryRoundHalfEven16(-32769.0), std::nullopt);
}

}  // namespace
}  // namespace morvantis::host
