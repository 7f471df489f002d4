// The Win32 DIB reader: maps a BMP file, validates it with the shared header logic and lets GDI
// (SetDIBits into a 24-bit DIB section) convert its pixels to RGB rows; bitfield channels of 1 to
// 3 bits are then widened over the whole range, as the portable converter widens them. Windows
// only; this header includes no OS header.
#pragma once

#include <optional>
#include <string>

#include "renderer/image/rgb_image.h"

namespace morvantis {

// Where the reader's failure texts go. The texts are those of dib_format.h; the open failure
// has the path substituted.
using DibMessageSink = void (*)(const char* text, void* context);

// The renderer's sink: MessageBoxW with the focus window as owner, caption "Error", OK button.
void ShowDibErrorBox(const char* text, void* context);

// Reads the BMP file at `path` (UTF-8, opened through the W functions). Returns the image, bottom row
// first with a positive height (top-down files included), or nothing after reporting exactly
// one text to `sink` (none when `sink` is null).
std::optional<RgbImage> ReadDibImage(const std::string& path,
                                     DibMessageSink sink = ShowDibErrorBox,
                                     void* context = nullptr);

}  // namespace morvantis
