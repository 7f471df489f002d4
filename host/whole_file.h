// A file read and replaced as a whole: the settings file's platform seam. Win32WholeFile
// (win32_whole_file.h) is the real one; tests use a map (fake_whole_file.h). Paths are UTF-8.
#pragma once

#include <string>

namespace morvantis::host {

struct WholeFileRead {
    enum class Status { Read, Missing, Failed } status = Status::Missing;
    std::string bytes;
};

class WholeFile {
public:
    virtual ~WholeFile() = default;
    // The whole content; Missing when no file has the name, Failed when one cannot be read.
    virtual WholeFileRead Read(const std::string& path) = 0;
    // Puts `bytes` in the file's place at once: a crash or a full disk leaves the old file or
    // the new one, never a mix or an empty file. False when the file could not be replaced.
    virtual bool Replace(const std::string& path, const std::string& bytes) = 0;
};

}  // namespace morvantis::host
