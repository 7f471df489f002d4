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
    // Draw into a window another program made (a screen saver's, or its preview's) instead of
    // opening one of our own.
    bool hosted = false;
    unsigned long hostWindow = 0;  // that window; 0 stands for the screen's root window
    bool showFps = false;
    bool help = false;
    std::string error;  // set when the command line cannot be understood
};

// screenSaverWindow is the value of XSCREENSAVER_WINDOW (null when unset): the window that
// --root draws into when it is set.
NativeOptions ParseNativeOptions(int argc, const char* const* argv, const std::string& defaultTextureDir,
                                 const char* screenSaverWindow = nullptr);

// An X window id, hexadecimal with 0x or decimal, from 1 to 0xFFFFFFFF; false for anything else.
bool ParseWindowId(const std::string& text, unsigned long& id);

// The --help text, naming the texture folder used when --textures is not given.
std::string NativeUsage(const std::string& defaultTextureDir);

}  // namespace morvantis
