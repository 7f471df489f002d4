#include "host/file_probe.h"

#include <windows.h>

#include "host/win32_text.h"

namespace morvantis::host {

bool FileExists(const std::string& path) {
    std::string name = path;
    if (!name.empty() && name.back() == '\\') name.pop_back();
    if (name.empty() || name.find('\0') != std::string::npos) return false;

    const std::wstring wide = Widen(name);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return false;

    // Opened the way a reader would, sharing everything so that a player holding the file open
    // does not make it look missing.
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool onDisk = GetFileType(file) == FILE_TYPE_DISK;
    CloseHandle(file);
    return onDisk;
}

}  // namespace morvantis::host
