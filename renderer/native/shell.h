// The native renderer's ways of running: in a full-screen window of its own, in a window another
// program made, or headless to a PNG.
#pragma once

#include "renderer/gl/textures.h"
#include "renderer/native/options.h"

namespace morvantis {

TexturePaths TexturePathsIn(const std::string& folder);

// Runs until Escape or the window manager's close request: 0 then. 1, with the reason on stderr,
// when there is no display, no OpenGL on it, or no texture.
int RunInX11Window(const NativeOptions& options, const ImageReader& read);

// Draws into options.hostWindow (the root window for 0) until that window is destroyed: 0 then.
// 1, with the reason on stderr, when it cannot draw there at all.
int RunInHostWindow(const NativeOptions& options, const ImageReader& read);

// Renders options.frames frames offscreen and saves the last one; 0 on success, 2 with the
// reason on stderr otherwise (a destination that cannot be written is found before rendering,
// and a failed save leaves what was there).
int RenderSnapshot(const NativeOptions& options, const ImageReader& read);

}  // namespace morvantis
