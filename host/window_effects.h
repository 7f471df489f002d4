// The animated rectangle that grows from the mouse position to the settings dialog when it
// opens and shrinks back to that point when it closes.
#pragma once

#include <cstdint>

struct HWND__;

namespace morvantis::host {

// Screen position of the cursor when the settings dialog loaded; (0, 0) when it was unknown.
extern std::int16_t ZoomPointX;
extern std::int16_t ZoomPointY;

void ZoomOpen(HWND__* window);
void ZoomClose(HWND__* window);

}  // namespace morvantis::host
