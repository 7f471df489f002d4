#include "renderer/native/posix_file_replacement.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace morvantis {
namespace {

std::string Reason(const std::string& path, const std::string& why) { return path + ": " + why; }
std::string SystemReason(const std::string& path) { return Reason(path, std::strerror(errno)); }

// The file a path names: through its links, so that a link stays a link. A path that names
// nothing yet stays as it is; a link that leads nowhere is refused.
bool ResolveDestination(const std::string& path, std::string& target, std::string& error) {
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved)) {
        target = resolved;
        return true;
    }
    const int failure = errno;
    struct stat status {};
    if (failure == ENOENT && lstat(path.c_str(), &status) != 0) {
        target = path;
        return true;
    }
    error = failure == ENOENT ? Reason(path, "a link to nothing") : Reason(path, std::strerror(failure));
    return false;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The permissions a newly made file gets here, or the ones of the file it replaces.
mode_t ModeFor(const std::string& target) {
    struct stat status {};
    if (stat(target.c_str(), &status) == 0) return status.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// 0 when the temporary file was written whole and flushed to the disk, else the error; the file
// is closed in any case.
int WriteTemporary(int fd, mode_t mode, const std::function<bool(std::FILE*)>& write) {
    std::FILE* file = fdopen(fd, "wb");
    if (!file) {
        const int failure = errno;
        close(fd);
        return failure;
    }
    errno = 0;
    const bool written = fchmod(fd, mode) == 0 && write(file) && std::fflush(file) == 0 && fsync(fd) == 0;
    int failure = written ? 0 : (errno != 0 ? errno : EIO);
    if (std::fclose(file) != 0 && failure == 0) failure = errno;
    return failure;
}

}  // namespace

std::string CheckSaveDestination(const std::string& path) {
    std::string target, error;
    if (path.empty()) return "an empty file name";
    if (!ResolveDestination(path, target, error)) return error;
    struct stat status {};
    if (stat(target.c_str(), &status) == 0) {
        if (!S_ISREG(status.st_mode)) return Reason(path, "not a regular file");
        if (access(target.c_str(), W_OK) != 0) return SystemReason(path);
    }
    const std::string folder = FolderOf(target);
    if (access(folder.c_str(), W_OK | X_OK) != 0) return SystemReason(folder);
    return {};
}

bool SaveFileWhole(const std::string& path, const std::function<bool(std::FILE*)>& write, std::string& error) {
    error = CheckSaveDestination(path);
    std::string target;
    if (!error.empty() || !ResolveDestination(path, target, error)) return false;
    const std::string folder = FolderOf(target);
    std::string temporary = folder + "/." + target.substr(target.rfind('/') + 1) + ".XXXXXX";
    const mode_t mode = ModeFor(target);
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        error = SystemReason(folder);
        return false;
    }
    int failure = WriteTemporary(fd, mode, write);
    if (failure == 0 && rename(temporary.c_str(), target.c_str()) != 0) failure = errno;
    if (failure == 0) return true;
    unlink(temporary.c_str());
    error = Reason(path, std::strerror(failure));
    return false;
}

}  // namespace morvantis
