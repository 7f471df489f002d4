// Access to the pictures the host program carries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/win32_text.h"

namespace morvantis::host {

struct ResourceBytes {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

// The bytes of an RCDATA resource of this program; empty when it is missing.
ResourceBytes LoadResourceBytes(int id);

// Writes a carried picture to a file, replacing it; false when the file cannot be written.
bool WriteResourceToFile(int id, const std::string& pathUtf8);

}  // namespace morvantis::host
