// The screen-saver command line: the mode letter and the preview parent handle.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "host/command_line.h"

namespace morvantis::host {
namespace {

TEST(CommandLine, ModeLetterIsTheSecondCharacterUpperCased) {
    const struct {
        const char* commandLine;
        const char* letter;
    } cases[] = {
        {"/s", "S"},  {"/S", "S"},       {"-s", "S"},       {"/sX", "S"},  {"xs", "S"},
        {"/s anything", "S"}, {"", ""},  {"/c", "C"},       {"/c:1234", "C"},
        {"-C", "C"},  {"/p 1234", "P"},  {"/p:1234", "P"},  {"/p", "P"},   {"/a", "A"},
        {"x", ""},    {"S", ""},         {"/", ""},         {" s", "S"},   {"//", "/"},
        // Characters, not bytes: a wide first character, a wide second one kept whole.
        {"／s", "S"}, {"/ｓ", "ｓ"},      {"あ", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.commandLine);
        EXPECT_EQ(ModeLetter(c.commandLine), c.letter);
    }
    // Bytes that are not UTF-8 count one character each and are never read past.
    EXPECT_EQ(ModeLetter("\xE3s"), "S");
    EXPECT_EQ(ModeLetter("/\xE3"), "\xE3");
    EXPECT_EQ(ModeLetter("/\xE3\x81"), "\xE3");
}

TEST(CommandLine, PreviewParentHandleFromTheFourthCharacterOn) {
    const struct {
        const char* commandLine;
        std::uint32_t handle;
    } cases[] = {
        {"/p 1234", 1234},   {"/p:1234", 1234},   {"/P 1234", 1234}, {"/p", 0},
        {"/p ", 0},          {"/p:", 0},          {"", 0},           {"/p abc", 0},
        {"/p 12ab", 12},     {"/p 1 2 3 4", 1234}, {"/p  77", 77},   {"/p::5", 0},
        {"/p 12.5", 12},     {"/p 13.5", 14},     {"/p 1e3", 1000},
        {"/p 2147483647", 2147483647u},  {"/p -1", 0xFFFFFFFFu},
        {"/p -2147483648", 0x80000000u}, {"/p 2147483648", 0},  {"/p 4294967295", 0},
        {"/p 1e400", 0},     {"／p 1234", 1234},  {"/p\xE3" "99", 99},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.commandLine);
        EXPECT_EQ(PreviewParentHandle(c.commandLine), c.handle);
    }
}

}  // namespace
}  // namespace morvantis::host
