#include "renderer/native_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace morvantis {
namespace {

NativeOptions Parse(std::vector<const char*> args) {
    args.insert(args.begin(), "morvantis");
    return ParseNativeOptions(static_cast<int>(args.size()), args.data(), "/assets");
}

TEST(NativeOptions, DefaultsRunInAWindowWithTheProjectPictures) {
    const NativeOptions o = Parse({});
    EXPECT_EQ(o.textureDir, "/assets");
    EXPECT_TRUE(o.snapshotPath.empty());
    EXPECT_TRUE(o.error.empty());
    EXPECT_FALSE(o.help);
}

TEST(NativeOptions, SnapshotOptionsAreTaken) {
    const NativeOptions o = Parse({"--textures", "/t", "--snapshot", "a.png", "--frames", "7", "--size", "320x200"});
    EXPECT_TRUE(o.error.empty()) << o.error;
    EXPECT_EQ(o.textureDir, "/t");
    EXPECT_EQ(o.snapshotPath, "a.png");
    EXPECT_EQ(o.frames, 7);
    EXPECT_EQ(o.width, 320);
    EXPECT_EQ(o.height, 200);
}

TEST(NativeOptions, GarbageIsRefusedWithAReason) {
    for (const auto& args : std::vector<std::vector<const char*>>{
             {"--frames", "0"}, {"--frames", "-3"}, {"--frames", "12abc"}, {"--frames", "99999999999"},
             {"--size", "640"}, {"--size", "0x10"}, {"--size", "10x"}, {"--size", "9000x10"},
             {"--snapshot"}, {"--bogus"}, {"picture.png"}}) {
        EXPECT_FALSE(Parse(args).error.empty()) << args[0] << (args.size() > 1 ? args[1] : "");
    }
}

}  // namespace
}  // namespace morvantis
