// The still preview shown inside the small monitor of the Display Properties box.
#pragma once

#include <cstdint>

namespace morvantis::host {

// Embeds the preview as a child of `parent`, sized to it; false when `parent` names no window.
// The program should end when the preview window is gone (it posts WM_QUIT then).
bool ShowPreviewWindow(std::uint32_t parent);

}  // namespace morvantis::host
