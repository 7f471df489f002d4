// The POSIX file probe of the native build: only a readable regular file counts, one trailing
// "\" is ignored, and probing neither blocks nor creates anything.
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

TEST(FileProbe, OnlyReadableRegularFilesExist) {
    const fs::path dir = fs::temp_directory_path() / ("morvantis_probe_" + std::to_string(::getpid()));
    fs::create_directories(dir / "folder");
    std::ofstream(dir / "song.mp3") << "data";
    std::ofstream(dir / "back\\slash") << "data";
    const std::string song = (dir / "song.mp3").string(), missing = (dir / "new.mp3").string();
    const std::string fifo = (dir / "pipe").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string path;
        bool exists;
    } cases[] = {
        {song, true},           {song + "\\", true},  // one trailing "\" is removed
        {song + "\\\\", false},  // only one
        {(dir / "back\\slash").string(), true},  // "\" elsewhere is an ordinary character
        {(dir / "folder").string() + "\\", false}, {missing, false}, {missing + "\\", false},
        {"", false},            {"\\", false},       {"/dev/null", false},
        {fifo, false},  // would block an ordinary open
        {song + std::string(1, '\0') + "x", false},
    };
    for (const auto& c : cases) EXPECT_EQ(FileExists(c.path), c.exists) << c.path;
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_FALSE(fs::exists(missing + "\\"));
    if (::geteuid() != 0) {  // root reads every file
        fs::permissions(dir / "song.mp3", fs::perms::none);
        EXPECT_FALSE(FileExists(song));
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace morvantis::host
