// morvantis_make_icon_files <output folder>
//
// Writes the generated icon and cursor files into the output folder. The `assets` build
// target runs it on the source tree's assets/ folder, after the BMP pictures.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "assets/generator/icon_files.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    int failures = 0;
    for (const morvantis::assets::GeneratedFile& file : morvantis::assets::IconFileCatalogue()) {
        const std::filesystem::path path = std::filesystem::path(argv[1]) / file.file_name;
        const morvantis::assets::FileBytes bytes = file.make();
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (bytes.empty() || !out.flush()) {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            ++failures;
        } else {
            std::printf("wrote %s\n", path.string().c_str());
        }
    }
    return failures == 0 ? 0 : 1;
}
