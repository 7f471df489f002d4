// The native renderer's ways of running: in a full-screen window of its own, in a window another
// program made, or headless to a PNG.
#pragma once

#include "renderer/gl/textures.h"
#include "renderer/native/options.h"

namespace morvantis {

TexturePaths TexturePathsIn(const std::string& folder);

// Result codes: 0 when the run ended normally or set-up failed quietly (as on Windows), 1 when
// there is no display to open (the caller may then fall back to a snapshot).
constexpr int kNoDisplay = 1;
int RunInX11Window(const NativeOptions& options, const ImageReader& read);

// Draws into options.hostWindow (the root window for 0) until SIGTERM or SIGINT, or until that
// window is destroyed: 0 then. 1, with a message on stderr, when it cannot draw there at all.
int RunInHostWindow(const NativeOptions& options, const ImageReader& read);

// Renders options.frames frames offscreen and saves the last one; 0 on success, 2 with the
// reason on stderr otherwise (a destination that cannot be written is found before rendering,
// and a failed save leaves what was there).
int RenderSnapshot(const NativeOptions& options, const ImageReader& read);

}  // namespace morvantis
