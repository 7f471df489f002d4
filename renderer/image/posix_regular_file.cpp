#include "renderer/image/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvantis {

bool FileIsReadable(const std::string& path) { return access(path.c_str(), R_OK) == 0; }

// O_NONBLOCK: opening a FIFO returns at once instead of waiting for a writer; the descriptor's
// own fstat then decides, so nothing can be swapped in between the check and the reading. A
// path that is no regular file by stat is not even opened (a device's open can act).
RegularFile::RegularFile(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return;
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || !(file_ = fdopen(fd, "rb"))) {
        close(fd);
        return;
    }
    length_ = static_cast<std::uint64_t>(status.st_size);
}

RegularFile::~RegularFile() {
    if (file_) std::fclose(file_);
}

bool RegularFile::Read(std::uint64_t offset, std::size_t count, std::uint8_t* out) {
    return file_ && fseeko(file_, static_cast<off_t>(offset), SEEK_SET) == 0 &&
           std::fread(out, 1, count, file_) == count;
}

}  // namespace morvantis
