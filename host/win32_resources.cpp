#include "host/win32_resources.h"

#include <windows.h>

namespace morvantis::host {

ResourceBytes LoadResourceBytes(int id) {
    HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!info) return {};
    HGLOBAL handle = LoadResource(nullptr, info);
    const void* data = handle ? LockResource(handle) : nullptr;
    if (!data) return {};
    return {static_cast<const std::uint8_t*>(data), SizeofResource(nullptr, info)};
}

bool WriteResourceToFile(int id, const std::string& pathUtf8) {
    const ResourceBytes bytes = LoadResourceBytes(id);
    if (!bytes.data) return false;
    HANDLE file = CreateFileW(Widen(pathUtf8).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data, static_cast<DWORD>(bytes.size), &written, nullptr) &&
                    written == bytes.size;
    CloseHandle(file);
    return ok;
}

}  // namespace morvantis::host
