// The command line of the native renderer.
#pragma once

#include <string>

namespace morvantis {

struct NativeOptions {
    std::string textureDir;  // holds Morvantis1.bmp and Morvantis2.bmp
    std::string snapshotPath;  // empty: run in a window
    int frames = 600;
    int width = 1024;
    int height = 768;
    bool help = false;
    std::string error;  // set when the command line cannot be understood
};

NativeOptions ParseNativeOptions(int argc, const char* const* argv, const std::string& defaultTextureDir);

extern const char* const kNativeUsage;

}  // namespace morvantis
