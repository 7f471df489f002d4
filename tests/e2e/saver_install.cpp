#include "saver_install.h"

#include "program_driver.h"

namespace morvantis::e2e {
namespace {

const fs::path kWorkFolder = "C:/morvantis-e2e";
const char kHostName[] = u8"モルヴァンティス.scr";
const char kRendererName[] = u8"モルヴァンティス.dll";

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

void WriteSetting(const fs::path& folder, const std::string& keyUtf8, const std::string& valueUtf8) {
    const std::string ini = ToAnsi((folder / fs::u8path(u8"モルヴァンティス.ini")).u8string());
    WritePrivateProfileStringA("Section", ToAnsi(keyUtf8).c_str(), ToAnsi(valueUtf8).c_str(), ini.c_str());
}

}  // namespace morvantis::e2e
