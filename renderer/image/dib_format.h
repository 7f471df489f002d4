// BMP/DIB header logic shared by both DIB readers (the Win32 one that converts through GDI and
// the portable converter): finding the headers, the palette and the pixel data of a file held in
// memory, converting the header to the 40-byte form, and deciding whether the file holds all
// that it claims, so that no reader ever touches a byte beyond the end of the file.
//
// Accepted: an optional 14-byte file header ("BM", pixel data offset at byte 10) followed by a
// 12-byte core header (3-byte palette entries) or a 40-byte info header (4-byte palette entries,
// and three 32-bit colour masks right after the header when the compression is BI_BITFIELDS).
// Without a file header the pixel data follow the header, the masks and the palette.
//
// Limits, checked before anything is allocated from header values:
//   - width and |height| at most kDibMaxSide (16384) each, and width * |height| at most
//     kDibMaxPixels (2^26 = 8192 * 8192), so a decoded image never needs more than 192 MiB;
//   - uncompressed pixel data must be wholly inside the file, so the size of such an image is
//     also bounded by the file size;
//   - RLE data run from the pixel offset to the end of the file (or to the header's image
//     size if that is smaller), at most kDibMaxRleBytes (1 GiB); decoding stops there.
//
// A reader need not hold the whole file: the headers, masks and palette (DibHeadersEnd) are
// enough to parse it, and then only the pixel data are read.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morvantis {

// The texts the readers report. The open failure is a format with the path in place of %s.
inline constexpr char kDibOpenFailedFormat[] = "Failed to open DIB file %s.\n";
inline constexpr char kDibOutOfMemory[] = "Out of memory.";
inline constexpr char kDibUnknownFormat[] = "Unknown DIB file format.";
inline constexpr char kDibConversionError[] = "Image file conversion error.";
inline constexpr char kDibTruncated[] = "Truncated DIB file.";

// "Failed to open DIB file <path>.\n"
std::string DibOpenFailedMessage(const std::string& path);

inline constexpr std::int32_t kDibMaxSide = 16384;
inline constexpr std::int64_t kDibMaxPixels = std::int64_t{1} << 26;
inline constexpr std::uint64_t kDibMaxRleBytes = std::uint64_t{1} << 30;

inline constexpr std::uint32_t kDibFileHeaderSize = 14;
inline constexpr std::uint32_t kDibCoreHeaderSize = 12;
inline constexpr std::uint32_t kDibInfoHeaderSize = 40;

enum DibCompression : std::uint32_t {
    kDibRgb = 0,
    kDibRle8 = 1,
    kDibRle4 = 2,
    kDibBitfields = 3,
};

// A BITMAPINFOHEADER in host byte order.
struct DibInfoHeader {
    std::uint32_t size = kDibInfoHeaderSize;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = kDibRgb;
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;
};

// Number of palette entries of the DIB header at `header` (`length` readable bytes): for a
// 12-byte header, from its bit count; otherwise its colours-used field if that is not 0, else
// from its bit count. Bit count 1 gives 2, 4 gives 16, 8 gives 256, any other 0. Callers use
// only the low 16 bits. Returns 0 when `length` does not reach the fields it needs.
std::uint32_t DibPaletteSize(const std::uint8_t* header, std::size_t length);

// Bytes of one stored row: ((bitCount * width + 31) / 32) * 4.
std::uint64_t DibRowStride(std::int64_t width, std::uint32_t bitCount);

// How many leading bytes of a file ParseDib reads: its file header, DIB header, colour masks
// and palette. The first 54 bytes (a file header and the longest accepted header), or the whole
// file when it is shorter, are enough to tell; with fewer, or when the header is one that
// ParseDib refuses, it answers `size`.
std::uint64_t DibHeadersEnd(const std::uint8_t* data, std::size_t size);

// Everything the converters need to know about a file that passed validation.
struct DibLayout {
    bool hasFileHeader = false;
    std::uint32_t headerSize = 0;          // 12 or 40, as in the file
    DibInfoHeader header;                  // converted 40-byte header, see ParseDib
    std::vector<std::uint8_t> palette;     // clrUsed entries of blue, green, red, 0
    bool hasMasks = false;                 // BI_BITFIELDS: the red, green and blue masks
    std::array<std::uint32_t, 3> masks{};
    std::size_t pixelOffset = 0;           // where the pixel data start in the file
    std::size_t pixelBytes = 0;            // bytes from pixelOffset the data may use
    std::int32_t width = 0;                // > 0
    std::int32_t rows = 0;                 // |height| > 0
    bool topDown = false;                  // negative height: the first stored row is the top
};

struct DibParseResult {
    std::optional<DibLayout> layout;
    std::string error;  // one of the texts above when there is no layout
};

// Parses and validates a file of `fileSize` bytes that starts with `data[0, size)`, where `size`
// is the whole file or at least DibHeadersEnd of it; no byte past `size` is read. On success
// the layout's header is the converted 40-byte header: width and height from the file (the
// 16-bit unsigned fields of a core header), planes and bit count copied, image size =
// pixelBytes (the header's own value is never handed on: for RLE it bounds the data, for
// uncompressed data it is exactly the rows' bytes), colours used = the number of palette
// entries read (DibPaletteSize, low 16 bits). Errors, in the order they are checked:
//   - "Truncated DIB file."        the file ends inside the file header or the header's size;
//   - "Unknown DIB file format."   a header size other than 12 or 40;
//   - "Truncated DIB file."        the file ends inside the header, masks or palette, or
//                                  before the pixel data offset;
//   - "Image file conversion error." width <= 0 or height 0;
//   - "Out of memory."             larger than the limits above (RLE data: checked last);
//   - "Image file conversion error." a depth/compression pair that is not converted (see
//                                  IsSupportedDibFormat), RLE stored top-down, or a colour
//                                  mask that is 0 (GDI refuses these too; the planes field
//                                  is not checked, as GDI ignores it);
//   - "Truncated DIB file."        uncompressed pixel data end beyond the end of the file.
DibParseResult ParseDib(const std::uint8_t* data, std::size_t size, std::uint64_t fileSize);
inline DibParseResult ParseDib(const std::uint8_t* data, std::size_t size) { return ParseDib(data, size, size); }

// True for the formats that are converted: 1, 4, 8, 16, 24 and 32 bits uncompressed, RLE8 at
// 8 bits, RLE4 at 4 bits, BI_BITFIELDS at 16 and 32 bits (40-byte header only).
bool IsSupportedDibFormat(std::uint32_t headerSize, std::uint16_t bitCount,
                          std::uint32_t compression);

}  // namespace morvantis
