#include "saver_install.h"

#include <fstream>
#include <iterator>

namespace morvantis::e2e {
namespace {

const fs::path kWorkFolder = "C:/morvantis-e2e";
const char kHostName[] = u8"モルヴァンティス.scr";
const char kRendererName[] = u8"モルヴァンティス.dll";
const char kSettingsName[] = u8"モルヴァンティス.ini";

}  // namespace

fs::path InstallSaver(const std::string& name, bool withRenderer) {
    const fs::path folder = kWorkFolder / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(fs::u8path(MORVANTIS_HOST_PATH), folder / fs::u8path(kHostName));
    if (withRenderer) fs::copy_file(fs::u8path(MORVANTIS_RENDERER_PATH), folder / fs::u8path(kRendererName));
    return folder;
}

std::string HostPath(const fs::path& folder) { return (folder / fs::u8path(kHostName)).u8string(); }

void WriteSettingsFile(const fs::path& folder, const std::string& bytes) {
    std::ofstream(folder / fs::u8path(kSettingsName), std::ios::binary) << bytes;
}

std::string ReadSettingsFile(const fs::path& folder) {
    std::ifstream in(folder / fs::u8path(kSettingsName), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace morvantis::e2e
