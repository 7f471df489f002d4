// Picture files are opened for reading only when they are regular files: opening a FIFO waits
// for a writer for ever, and opening a device can have effects of its own.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace morvantis {

// Whether `path` names something that may be opened for reading: false when it is missing or
// unreadable. Opens nothing (so a FIFO cannot hold it up); what it names may still be no regular
// file, which RegularFile then refuses.
bool FileIsReadable(const std::string& path);

// A regular file open for reading; anything else (missing, unreadable, a FIFO, a device, a
// folder) is refused without waiting, and the file read is the one that was checked.
class RegularFile {
public:
    explicit RegularFile(const std::string& path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool ok() const { return file_ != nullptr; }
    std::uint64_t length() const { return length_; }
    // Bytes [offset, offset + count) into `out`; false when they cannot all be read.
    bool Read(std::uint64_t offset, std::size_t count, std::uint8_t* out);

private:
    std::FILE* file_ = nullptr;
    std::uint64_t length_ = 0;
};

}  // namespace morvantis
