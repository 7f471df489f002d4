// Windows has no FIFOs in its file system; a device name ("CON") is no regular file and is
// refused before it is opened.
#include "renderer/image/regular_file.h"

#include <filesystem>

namespace morvantis {

bool FileIsReadable(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file) return false;
    std::fclose(file);
    return true;
}

RegularFile::RegularFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return;
    const std::uintmax_t length = std::filesystem::file_size(path, error);
    if (error) return;
    file_ = std::fopen(path.c_str(), "rb");
    length_ = length;
}

RegularFile::~RegularFile() {
    if (file_) std::fclose(file_);
}

bool RegularFile::Read(std::uint64_t offset, std::size_t count, std::uint8_t* out) {
    return file_ && _fseeki64(file_, static_cast<long long>(offset), SEEK_SET) == 0 &&
           std::fread(out, 1, count, file_) == count;
}

}  // namespace morvantis
