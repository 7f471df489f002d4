// Whether a file is there to be read. Used for the music file of the settings and for the
// renderer beside the saver host.
#pragma once

#include <string>

namespace morvantis::host {

// One trailing "\" is removed from `path`; the result is true only when that names a regular
// file that can be opened for reading. A folder, a device, an empty path, a path holding a NUL
// byte, a missing or unreadable file all give false. Nothing is created or changed.
//
// `path` is UTF-8, opened through the W functions, so any name Windows can hold is found.
// Windows only (win32_file_probe.cpp).
bool FileExists(const std::string& path);

}  // namespace morvantis::host
