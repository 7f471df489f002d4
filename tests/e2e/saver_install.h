// Copies of the built saver in folders of their own, so that every end-to-end test starts
// from the same state (no settings file, no textures).
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

namespace morvantis::e2e {

namespace fs = std::filesystem;

inline const fs::path kTextureFolder = "C:/n_orvi";
constexpr DWORD kStartTime = 20000;  // a fresh Wine prefix may be slow to start a GL program
constexpr DWORD kEndTime = 10000;

// A folder holding a copy of the host and, unless told otherwise, of the renderer.
fs::path InstallSaver(const std::string& name, bool withRenderer = true);
std::string HostPath(const fs::path& folder);
// Writes one key of the settings file beside the host, in the system code page.
void WriteSetting(const fs::path& folder, const std::string& keyUtf8, const std::string& valueUtf8);

}  // namespace morvantis::e2e
