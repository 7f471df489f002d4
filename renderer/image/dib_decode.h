// The portable DIB converter: turns a BMP file held in memory into 24-bit RGB rows the way the
// Win32 reader does through GDI (SetDIBits into a 24-bit DIB section), without any OS call.
// Used by the native renderer, and by the tests as the reference the Win32 reader is checked
// against.
//
// Converted: 1, 4, 8, 16, 24 and 32 bits per pixel uncompressed, RLE8, RLE4 and BI_BITFIELDS
// (16 and 32 bits) after a 12- or 40-byte header; bottom-up and top-down (negative height) rows.
// The result is always bottom-up with a positive height. Choices where files leave things open:
//   - a palette index at or beyond the number of palette entries gives black;
//   - 16-bit BI_RGB is 5-5-5; 32-bit BI_RGB is blue, green, red, unused;
//   - a colour channel narrower than 8 bits is widened by repeating its bits (5 bits:
//     v << 3 | v >> 2; 1 bit: 0 or 255), so it spans the whole range; a wider one keeps its
//     top 8 bits;
//   - RLE pixels that the data never write (skipped by a delta or an early end of line or of
//     the bitmap) are black; runs past the right edge are clipped; decoding stops at
//     end-of-bitmap, after the last row, or at the end of the data, whichever comes first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "renderer/image/dib_format.h"
#include "renderer/image/rgb_image.h"

namespace morvantis {

struct DibResult {
    std::optional<RgbImage> image;
    std::string error;  // one of the reader texts of dib_format.h when there is no image
};

// Parses, validates (ParseDib) and converts the file `data[0, size)`.
DibResult DecodeDib(const std::uint8_t* data, std::size_t size);

// Converts the pixel data of a validated layout; `pixels` holds layout.pixelBytes bytes.
DibResult ConvertDibPixels(const DibLayout& layout, const std::uint8_t* pixels);

// Reads the file at `path` and decodes it: the headers first, then only the pixel data they
// describe, however long the file. A path that is not a regular file, or a file that cannot be
// read or is empty, gives "Failed to open DIB file <path>.\n".
DibResult ReadDibFile(const std::string& path);

// A channel value of `bits` bits (1 to 7) widened to 8 by repeating its bits from the top.
std::uint8_t WidenChannel(std::uint32_t value, int bits);

// GDI widens the colour channels of fewer than 4 bits by repeating their bits only once (a
// 1-bit channel's 1 gives 0xC0): widens such channels of an image that GDI converted over the
// whole range, as the converter here does, from the top bits GDI left in each byte.
void WidenNarrowChannels(const DibLayout& layout, RgbImage& image);

}  // namespace morvantis
