#include "host/win32_whole_file.h"

#include <windows.h>

#include <algorithm>

#include "host/win32_text.h"

namespace morvantis::host {
namespace {

bool WriteAll(HANDLE file, const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return FlushFileBuffers(file) != FALSE;
}

}  // namespace

WholeFileRead Win32WholeFile::Read(const std::string& path) {
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {missing ? WholeFileRead::Status::Missing : WholeFileRead::Status::Failed, {}};
    }
    WholeFileRead read{WholeFileRead::Status::Read, {}};
    char buffer[64 * 1024];
    for (DWORD got = 0;;) {
        if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
            read = {WholeFileRead::Status::Failed, {}};
            break;
        }
        if (got == 0) break;
        read.bytes.append(buffer, got);
    }
    CloseHandle(file);
    return read;
}

bool Win32WholeFile::Replace(const std::string& path, const std::string& bytes) {
    const std::wstring target = Widen(path);
    // Named after this process, so that two writers never share one.
    const std::wstring temporary = target + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";

    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool done = file != INVALID_HANDLE_VALUE && WriteAll(file, bytes);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (done) {
        const bool exists = GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
        done = exists ? ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                                     nullptr) != FALSE
                      : MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
    }
    if (!done) DeleteFileW(temporary.c_str());
    return done;
}

}  // namespace morvantis::host
