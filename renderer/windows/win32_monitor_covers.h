// Black windows over the monitors beside the renderer's scene: borderless, topmost, without a
// cursor, and never active, so the keyboard and the focus stay with the scene's window.
#pragma once

namespace morvantis {

// Covers what the monitors show beside the scene (at 0,0, width x height), as they are now.
void OpenMonitorCovers(int sceneWidth, int sceneHeight);
// Places the covers again after the monitors changed; does nothing once they are closed.
void PlaceMonitorCovers();
void CloseMonitorCovers();

}  // namespace morvantis
