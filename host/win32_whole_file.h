// Whole files through the W functions (CreateFileW, ReplaceFileW, MoveFileExW). Windows only;
// this header includes no OS header.
#pragma once

#include "host/whole_file.h"

namespace morvantis::host {

class Win32WholeFile : public WholeFile {
public:
    // Read with every kind of sharing, so that a reader elsewhere does not make it fail.
    WholeFileRead Read(const std::string& path) override;
    // Writes a new file beside the old one (the same name with this process's id and ".tmp"
    // appended, so on the same volume), flushes
    // it to the disk, then puts it in the old one's place: ReplaceFileW where a file exists
    // (which keeps its attributes and permissions), MoveFileExW where none does. The new file
    // is removed again when anything fails.
    bool Replace(const std::string& path, const std::string& bytes) override;
};

}  // namespace morvantis::host
