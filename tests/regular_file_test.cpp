// Picture files are read only when they are regular files: a FIFO without a writer, a device or
// a folder is refused at once instead of holding the program.
#include "renderer/image/dib_decode.h"
#include "renderer/image/regular_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace morvantis {
namespace {

namespace fs = std::filesystem;

TEST(RegularFile, OnlyRegularFilesAreOpenedAndNothingWaitsForAFifo) {
    const fs::path folder = fs::path(::testing::TempDir()) / ("regular_file_" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string regular = (folder / "digits").string(), fifo = (folder / "fifo").string();
    std::ofstream(regular) << "0123456789";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

    RegularFile file(regular);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file.length(), 10u);
    std::uint8_t bytes[4] = {};
    EXPECT_TRUE(file.Read(3, 4, bytes));
    EXPECT_EQ(std::string(bytes, bytes + 4), "3456");
    EXPECT_FALSE(file.Read(8, 4, bytes)) << "past the end";

    for (const std::string& other : {fifo, folder.string(), std::string("/dev/zero"), (folder / "none").string()})
        EXPECT_FALSE(RegularFile(other).ok()) << other;
    EXPECT_TRUE(FileIsReadable(fifo)) << "it is there: the reader says what is wrong with it";
    EXPECT_FALSE(FileIsReadable((folder / "none").string()));
    EXPECT_EQ(ReadDibFile(fifo).error, DibOpenFailedMessage(fifo));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace morvantis
