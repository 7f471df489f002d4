// The POSIX file probe of the native build: only a readable regular file counts, one trailing
// "\" is ignored, and probing creates nothing.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "host/file_probe.h"

namespace morvantis::host {
namespace {

namespace fs = std::filesystem;

class FileProbeTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("morvantis_probe_" + std::to_string(::getpid()));
        fs::create_directories(dir / "folder");
        std::ofstream(dir / "song.mp3") << "data";
        std::ofstream(dir / "back\\slash") << "data";
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string At(const std::string& name) const { return (dir / name).string(); }

    fs::path dir;
};

TEST_F(FileProbeTest, OnlyRegularFilesExist) {
    const struct {
        std::string path;
        bool exists;
    } cases[] = {
        {At("song.mp3"), true},
        {At("song.mp3") + "\\", true},     // one trailing "\" is removed
        {At("song.mp3") + "\\\\", false},  // only one
        {At("back\\slash"), true},         // "\" elsewhere is an ordinary character
        {At("folder"), false},
        {At("folder") + "\\", false},
        {At("folder") + "/", false},
        {At("missing.mp3"), false},
        {"", false},
        {"\\", false},
        {"/dev/null", false},
        {At("song.mp3") + std::string(1, '\0') + "x", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FileExists(c.path), c.exists);
    }
}

TEST_F(FileProbeTest, AFifoDoesNotBlockAndDoesNotCount) {
    const std::string fifo = At("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(FileExists(fifo));
}

TEST_F(FileProbeTest, AnUnreadableFileDoesNotCount) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    fs::permissions(dir / "song.mp3", fs::perms::none);
    EXPECT_FALSE(FileExists(At("song.mp3")));
}

TEST_F(FileProbeTest, ProbingCreatesNothing) {
    EXPECT_FALSE(FileExists(At("new.mp3")));
    EXPECT_FALSE(FileExists(At("new.mp3") + "\\"));
    EXPECT_FALSE(fs::exists(dir / "new.mp3"));
    EXPECT_FALSE(fs::exists(dir / "new.mp3\\"));
}

}  // namespace
}  // namespace morvantis::host
