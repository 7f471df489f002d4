#include "renderer/native/options.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace morvantis {
namespace {

NativeOptions Parse(std::vector<const char*> args, const char* screenSaverWindow = nullptr) {
    args.insert(args.begin(), "morvantis");
    return ParseNativeOptions(static_cast<int>(args.size()), args.data(), "/assets", screenSaverWindow);
}

TEST(NativeOptions, DefaultsRunInAWindowAndSnapshotOptionsAreTaken) {
    const NativeOptions d = Parse({});
    EXPECT_EQ(std::make_tuple(d.textureDir, d.snapshotPath, d.error, d.help, d.hosted),
              std::make_tuple("/assets", "", "", false, false));
    EXPECT_TRUE(Parse({"--help"}).help && Parse({"--frames", "1"}).frames == 1);
    const NativeOptions o = Parse({"--textures", "/t", "--snapshot", "a.png", "--frames", "010", "--size", "1x8192"});
    EXPECT_TRUE(o.error.empty()) << o.error;
    EXPECT_EQ(std::make_tuple(o.textureDir, o.snapshotPath, o.frames, o.width, o.height),
              std::make_tuple("/t", "a.png", 10, 1, 8192));  // decimal, not octal
}

TEST(NativeOptions, GarbageIsRefusedWithAReason) {
    for (const auto& args : std::vector<std::vector<const char*>>{
             {"--frames", "0"}, {"--frames", "+5"}, {"--frames", "12abc"}, {"--frames", "1000001"},
             {"--size", "640"}, {"--size", "0x10"}, {"--size", "10x0"}, {"--size", "8193x10"},
             {"--snapshot"}, {"--bogus"}, {"picture.png"},
             // window ids: empty, no digits, trailing junk, signs, zero, beyond 32 bits
             {"--window-id"}, {"--window-id", ""}, {"--window-id", "0x"}, {"--window-id", "12abc"},
             {"-window-id", "0x12g"}, {"--window-id", "-5"}, {"--window-id", "+5"}, {"--window-id", " 5"},
             {"--window-id", "0"}, {"--window-id", "4294967296"}, {"--window-id", "0x100000000"},
             {"--window-id", "99999999999999999999999"},
             // a snapshot has no window to draw into or to show a frame rate in
             {"--snapshot", "a.png", "-root"}, {"--snapshot", "a.png", "--fps"}}) {
        EXPECT_FALSE(Parse(args).error.empty()) << args[0] << (args.size() > 1 ? args[1] : "");
    }
    EXPECT_FALSE(Parse({"--root"}, "0x").error.empty()) << "a screen saver's window id is checked too";
    EXPECT_FALSE(Parse({"--root", "--window-id", "0x"}, "0x5").error.empty()) << "a bad named window is not replaced";
}

TEST(NativeOptions, ScreenSaverOptionsNameTheWindowToDrawInto) {
    struct Case {
        std::vector<const char*> args;
        const char* screenSaverWindow;
        unsigned long window;  // 0: the root window
    };
    for (const Case& c : std::vector<Case>{
             {{"--window-id", "0x1a00007"}, nullptr, 0x1a00007},
             {{"-window-id", "27262983"}, "0x5", 27262983},
             {{"--window-id", "0100"}, nullptr, 100},  // decimal, not octal
             {{"--window-id", "0XfFfFfFfF"}, nullptr, 0xFFFFFFFF},
             {{"-root"}, "0xa", 10},
             {{"--root"}, "4294967295", 0xFFFFFFFF},
             {{"--root", "-root"}, "42", 42},
             {{"--root"}, nullptr, 0},
             {{"--root"}, "", 0},
             // a screen saver's preview: its list's command with --window-id appended
             {{"--root", "--window-id", "0x1c00003"}, "0x5", 0x1c00003},
             {{"-window-id", "7", "-root"}, nullptr, 7}}) {
        const NativeOptions o = Parse(c.args, c.screenSaverWindow);
        EXPECT_TRUE(o.error.empty()) << c.args[0] << ": " << o.error;
        EXPECT_TRUE(o.hosted) << c.args[0];
        EXPECT_EQ(o.hostWindow, c.window) << c.args[0] << " " << (c.args.size() > 1 ? c.args[1] : "");
    }
    EXPECT_FALSE(Parse({}, "0x2a").hosted) << "started by hand, it opens its own window";
    EXPECT_TRUE(Parse({"-fps", "--root"}).showFps);
}

}  // namespace
}  // namespace morvantis
