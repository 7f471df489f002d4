// Time and peak memory of reading one BMP file with the platform's DIB reader: the portable
// reader natively, the file-mapping and GDI reader in the Windows build. Run by
// dib_read_measure.sh on a small picture padded to a large sparse file, to show what the
// readers read of a file that is mostly not picture.
#include <chrono>
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>

#include "renderer/image/win32_dib_reader.h"
#else
#include <sys/resource.h>

#include "renderer/image/dib_decode.h"
#endif

namespace {

#ifdef _WIN32
bool ReadOnce(const std::string& path, std::string& error) {
    const std::optional<morvantis::RgbImage> image = morvantis::ReadDibImage(
        path, [](const char* text, void* context) { *static_cast<std::string*>(context) = text; }, &error);
    return image.has_value();
}

double PeakMiB() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return -1.0;
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}
#else
bool ReadOnce(const std::string& path, std::string& error) {
    const morvantis::DibResult result = morvantis::ReadDibFile(path);
    error = result.error;
    return result.image.has_value();
}

double PeakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}
#endif

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.bmp\n", argv[0]);
        return 2;
    }
    const double before = PeakMiB();
    std::string error;
    const auto start = std::chrono::steady_clock::now();
    const bool read = ReadOnce(argv[1], error);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s: %s in %.1f ms, peak memory %.1f MiB (%.1f MiB before reading)\n", argv[1],
                read ? "read" : error.c_str(), seconds * 1000.0, PeakMiB(), before);
    return read ? 0 : 1;
}
