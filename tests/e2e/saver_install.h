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
// The settings file beside the host, as bytes (Shift-JIS, as the host keeps it on every system).
void WriteSettingsFile(const fs::path& folder, const std::string& bytes);
std::string ReadSettingsFile(const fs::path& folder);

// "BGM区分", "BGMﾘﾋﾟｰﾄ" and "BGMﾌｧｲﾙ" in Shift-JIS.
inline const std::string kKindKey = "BGM\x8B\xE6\x95\xAA";
inline const std::string kRepeatKey = "BGM\xD8\xCB\xDF\xB0\xC4";
inline const std::string kFileKey = "BGM\xCC\xA7\xB2\xD9";

}  // namespace morvantis::e2e
