// The screen-saver command line: the mode letter and the preview parent handle.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "host/command_line.h"

namespace morvantis::host {
namespace {

TEST(CommandLine, ModeLetterIsTheSecondCharacterUpperCased) {
    const char* cases[][2] = {
        {"/s", "S"},  {"/S", "S"},      {"-s", "S"},      {"/sX", "S"},  {"xs", "S"},   {"", ""},
        {"/c", "C"},  {"/c:1234", "C"}, {"-C", "C"},      {"/p 1234", "P"}, {"/p:1234", "P"}, {"/p", "P"},
        {"x", ""},    {"//", "/"},      {" s", "S"},
        // Characters, not bytes: a wide first character, a wide second one kept whole; bytes
        // that are not UTF-8 count one character each and are never read past.
        {"／s", "S"}, {"/ｓ", "ｓ"},     {"あ", ""},       {"\xE3s", "S"}, {"/\xE3", "\xE3"}, {"/\xE3\x81", "\xE3"},
    };
    for (const auto& c : cases) EXPECT_EQ(ModeLetter(c[0]), c[1]) << c[0];
}

TEST(CommandLine, PreviewParentHandleFromTheFourthCharacterOn) {
    // The number is read leniently: blanks anywhere, up to the first character that cannot
    // continue it; then rounded halves-to-even into a signed 32-bit value.
    const struct {
        const char* commandLine;
        std::uint32_t handle;
    } cases[] = {
        {"/p 1234", 1234},   {"/p:1234", 1234},     {"/P 1234", 1234},    {"/p", 0},
        {"/p ", 0},          {"/p:", 0},            {"", 0},              {"/p abc", 0},
        {"/p 12ab", 12},     {"/p 1 2 3 4", 1234},  {"/p \t9\r\n", 9},    {"/p::5", 0},
        {"/p 12.5", 12},     {"/p 13.5", 14},       {"/p -2.5", 0xFFFFFFFEu}, {"/p -3.5", 0xFFFFFFFCu},
        {"/p 1e3", 1000},    {"/p 1 e 2", 100},     {"/p 2E1x", 20},      {"/p 1e+", 1},
        {"/p 1.2.3", 1},     {"/p 1,5", 1},         {"/p --5", 0},        {"/p &H10", 0},
        {"/p - 5", 0xFFFFFFFBu}, {"/p -1", 0xFFFFFFFFu}, {"/p 4294967295", 0}, {"/p 1e400", 0},
        {"/p 2147483647.4", 2147483647u}, {"/p -2147483648.5", 0x80000000u}, {"/p 2147483647.5", 0},
        {"/p -1e400", 0},    {"／p 1234", 1234},
        {"/p\xE3" "99", 99},
    };
    for (const auto& c : cases) EXPECT_EQ(PreviewParentHandle(c.commandLine), c.handle) << c.commandLine;
}

}  // namespace
}  // namespace morvantis::host
