#include "saver_install.h"

#include <fstream>
#include <iterator>

namespace morvantis::e2e {
namespace {

const fs::path kWorkFolder = "C:/morvantis-e2e";
const char kHostName[] = u8"モルヴァンティス.scr";
const char kRendererName[] = u8"モルヴァンティス.dll";

}  // namespace

const fs::path kAssets = fs::u8path(MORVANTIS_SOURCE_DIR) / "assets";

fs::path InstallSaver(const std::string& name, bool withRenderer) {
    const fs::path folder = kWorkFolder / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(fs::u8path(MORVANTIS_HOST_PATH), folder / fs::u8path(kHostName));
    if (withRenderer) fs::copy_file(fs::u8path(MORVANTIS_RENDERER_PATH), folder / fs::u8path(kRendererName));
    return folder;
}

std::string HostPath(const fs::path& folder) { return (folder / fs::u8path(kHostName)).u8string(); }

fs::path SettingsFile(const fs::path& folder) { return folder / fs::u8path(u8"モルヴァンティス.ini"); }

std::string ReadBytes(const fs::path& file, std::uintmax_t offset) {
    std::ifstream in(file, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

}  // namespace morvantis::e2e
