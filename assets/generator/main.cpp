// morvantis_make_assets <output folder> [file name ...]
//
// Writes every picture of the catalogue (or only the named ones) as a BMP file into the
// output folder. The `assets` build target runs it on the source tree's assets/ folder.
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "assets/bmp_writer.h"
#include "assets/generator/pictures.h"

namespace {

bool Wanted(const char* file_name, int argc, char** argv) {
    if (argc <= 2) return true;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], file_name) == 0) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder> [file name ...]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    int failures = 0;
    int written = 0;
    for (const morvantis::assets::GeneratedPicture& picture : morvantis::assets::PictureCatalogue()) {
        if (!Wanted(picture.file_name, argc, argv)) continue;
        const std::filesystem::path path = folder / picture.file_name;
        if (morvantis::WriteBmp24(path, picture.make())) {
            std::printf("wrote %s\n", path.string().c_str());
            ++written;
        } else {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            ++failures;
        }
    }
    if (written == 0 && failures == 0) {
        std::fprintf(stderr, "no picture of that name\n");
        return 2;
    }
    return failures == 0 ? 0 : 1;
}
