// The host's number rules: the preview parent handle of the command line (read leniently,
// rounded halves to even into 32 bits) and the rounding forms. The mode letter is seen
// through the start-up's tests.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "host/command_line.h"
#include "host/vb_numbers.h"

namespace morvantis::host {
namespace {

TEST(CommandLine, PreviewParentHandleFromTheFourthCharacterOn) {
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"/p 1234", 1234}, {"/p:1234", 1234}, {"/p", 0}, {"/p abc", 0}, {"/p 12ab", 12},
        {"/p 1 2 3 4", 1234}, {"/p - 5", 0xFFFFFFFBu}, {"/p +7", 7}, {"/p 12.5", 12}, {"/p 13.5", 14},
        {"/p 2147483647.5", 0}, {"/p -2147483648.5", 0x80000000u}, {"/p 9e2", 900}, {"/p 1e400", 0},
        {"/p inf", 0}, {"/p nan", 0}, {"/p &H10", 0}, {"/p --5", 0}, {"/p .6", 1}, {"/p 0x10", 0},
    };
    for (const auto& [line, handle] : cases) EXPECT_EQ(PreviewParentHandle(line), handle) << line;
}

TEST(VbNumbers, RoundingHalvesToEvenWithinTheLimits) {
    using Limits = std::numeric_limits<std::int32_t>;
    const std::pair<double, std::int32_t> saturated[] = {
        {0.5, 0}, {1.5, 2}, {-2.5, -2}, {2147483647.5, Limits::max()}, {-2147483649.0, Limits::min()}, {NAN, 0}};
    for (const auto& [value, rounded] : saturated) EXPECT_EQ(RoundHalfEven32(value), rounded) << value;
    const std::pair<double, std::optional<std::int16_t>> checked16[] = {
        {32766.5, 32766}, {32767.5, std::nullopt}, {-32768.5, -32768}, {-32769.0, std::nullopt}};
    for (const auto& [value, rounded] : checked16) EXPECT_EQ(TryRoundHalfEven16(value), rounded) << value;
}

}  // namespace
}  // namespace morvantis::host
