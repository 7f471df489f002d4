#include "host/file_probe.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvantis::host {

bool FileExists(const std::string& path) {
    std::string name = path;
    if (!name.empty() && name.back() == '\\') name.pop_back();
    if (name.empty() || name.find('\0') != std::string::npos) return false;

    // Non-blocking, so that a FIFO or a device cannot stall the probe.
    const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return regular;
}

}  // namespace morvantis::host
