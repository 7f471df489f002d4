// Saving a file whole: what was at the destination survives every failure, a link stays a link,
// and no temporary file is left behind.
#include "renderer/native/posix_file_replacement.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

namespace morvantis {
namespace {

namespace fs = std::filesystem;

class FileSave : public ::testing::Test {
protected:
    void SetUp() override { fs::remove_all(folder_), fs::create_directories(folder_); }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    static std::string Content(const std::string& path) {
        std::ostringstream text;
        text << std::ifstream(path).rdbuf();
        return text.str();
    }
    // What the folder holds, temporary files included.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static fs::perms ModeOf(const std::string& path) { return fs::status(path).permissions(); }

    const fs::path folder_ = fs::path(::testing::TempDir()) / ("file_save_" + std::to_string(getpid()));
    std::string error_;
};

std::function<bool(std::FILE*)> Writes(const char* text) {
    return [text](std::FILE* file) { return std::fputs(text, file) >= 0; };
}

TEST_F(FileSave, NewFilesAndReplacedOnesGetTheWholeContentLinksStayAndModesAreKept) {
    const mode_t umaskBefore = umask(022);
    ASSERT_TRUE(SaveFileWhole(Path("new.png"), Writes("new"), error_)) << error_;
    EXPECT_EQ(umask(umaskBefore), 022u) << "the process's umask is as it was";
    EXPECT_EQ(Content(Path("new.png")), "new");
    EXPECT_EQ(ModeOf(Path("new.png")), fs::perms(0644));

    std::ofstream(Path("old.png")) << "old";
    fs::permissions(Path("old.png"), fs::perms(0600));
    fs::create_symlink("old.png", Path("link.png"));
    ASSERT_TRUE(SaveFileWhole(Path("link.png"), Writes("newer"), error_)) << error_;
    EXPECT_TRUE(fs::is_symlink(Path("link.png")));
    EXPECT_EQ(Content(Path("old.png")), "newer");
    EXPECT_EQ(ModeOf(Path("old.png")), fs::perms(0600));
    EXPECT_EQ(Names(), (std::vector<std::string>{"link.png", "new.png", "old.png"}));
}

TEST_F(FileSave, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    std::ofstream(Path("old.png")) << "old";
    const auto partThenFail = [](std::FILE* file) { return std::fputs("part", file) < 0; };
    EXPECT_FALSE(SaveFileWhole(Path("old.png"), partThenFail, error_));
    EXPECT_EQ(error_, Path("old.png") + ": Input/output error");
    EXPECT_EQ(Content(Path("old.png")), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"old.png"});
}

TEST_F(FileSave, DestinationsThatCannotBeWrittenAreRefusedBeforeAnythingIsWritten) {
    // A FIFO of the test's own, not a device of the system: a fault that replaced it would
    // replace only what the test made.
    ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0600), 0);
    fs::create_symlink("fifo", Path("special.png"));
    fs::create_symlink("nowhere.png", Path("dangling.png"));
    fs::create_directory(Path("folder.png"));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {Path("special.png"), Path("special.png") + ": not a regular file"},
        {Path("folder.png"), Path("folder.png") + ": not a regular file"},
        {Path("dangling.png"), Path("dangling.png") + ": a link to nothing"},
        {Path("none/frame.png"), Path("none") + ": No such file or directory"},
        {"", "an empty file name"}};
    for (const auto& [path, reason] : cases) {
        EXPECT_EQ(CheckSaveDestination(path), reason);
        bool written = false;
        EXPECT_FALSE(SaveFileWhole(path, [&](std::FILE*) { return written = true; }, error_));
        EXPECT_EQ(error_, reason);
        EXPECT_FALSE(written) << path;
    }
    EXPECT_TRUE(fs::is_fifo(Path("fifo")));
    EXPECT_EQ(Names(), (std::vector<std::string>{"dangling.png", "fifo", "folder.png", "special.png"}));
}

}  // namespace
}  // namespace morvantis
