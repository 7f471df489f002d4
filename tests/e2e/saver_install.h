// Copies of the built saver in folders of their own, so that every end-to-end test starts
// from the same state (no settings file, no textures); and the files the programs read and
// write, as bytes.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

namespace morvantis::e2e {

namespace fs = std::filesystem;

inline const fs::path kTextureFolder = "C:/n_orvi";
extern const fs::path kAssets;  // the committed pictures, which the programs carry
constexpr DWORD kStartTime = 20000;  // a fresh Wine prefix may be slow to start a GL program
constexpr DWORD kEndTime = 10000;

// A folder holding a copy of the host and, unless told otherwise, of the renderer.
fs::path InstallSaver(const std::string& name, bool withRenderer = true);
std::string HostPath(const fs::path& folder);
// The settings file beside the host (Shift-JIS bytes, as the host keeps it on every system).
fs::path SettingsFile(const fs::path& folder);

// A file's bytes from `offset` on (none when it is missing), and a file made of `bytes`.
std::string ReadBytes(const fs::path& file, std::uintmax_t offset = 0);
void WriteBytes(const fs::path& file, const std::string& bytes);

// "BGM区分", "BGMﾘﾋﾟｰﾄ" and "BGMﾌｧｲﾙ" in Shift-JIS.
inline const std::string kKindKey = "BGM\x8B\xE6\x95\xAA";
inline const std::string kRepeatKey = "BGM\xD8\xCB\xDF\xB0\xC4";
inline const std::string kFileKey = "BGM\xCC\xA7\xB2\xD9";

}  // namespace morvantis::e2e
