#include "renderer/image/dib_format.h"

#include <algorithm>
#include <cstdlib>

namespace morvantis {

namespace {

// Header fields may sit at any alignment: read them byte by byte, little-endian.
std::uint16_t ReadU16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t ReadU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::int32_t ReadI32(const std::uint8_t* p) { return static_cast<std::int32_t>(ReadU32(p)); }

DibParseResult Fail(const char* text) { return DibParseResult{std::nullopt, text}; }

}  // namespace

std::string DibOpenFailedMessage(const std::string& path) {
    return "Failed to open DIB file " + path + ".\n";
}

std::uint32_t DibPaletteSize(const std::uint8_t* header, std::size_t length) {
    if (length < 4) return 0;
    std::uint16_t bitCount = 0;
    if (ReadU32(header) == kDibCoreHeaderSize) {
        if (length < 12) return 0;
        bitCount = ReadU16(header + 10);
    } else {
        if (length < 36) return 0;
        std::uint32_t colorsUsed = ReadU32(header + 32);
        if (colorsUsed != 0) return colorsUsed;
        bitCount = ReadU16(header + 14);
    }
    switch (bitCount) {
        case 1: return 2;
        case 4: return 16;
        case 8: return 256;
        default: return 0;
    }
}

std::uint64_t DibRowStride(std::int64_t width, std::uint32_t bitCount) {
    return ((static_cast<std::uint64_t>(bitCount) * static_cast<std::uint64_t>(width) + 31) / 32) * 4;
}

bool IsSupportedDibFormat(std::uint32_t headerSize, std::uint16_t bitCount,
                          std::uint32_t compression) {
    switch (compression) {
        case kDibRgb:
            return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
                   bitCount == 24 || bitCount == 32;
        case kDibRle8: return headerSize == kDibInfoHeaderSize && bitCount == 8;
        case kDibRle4: return headerSize == kDibInfoHeaderSize && bitCount == 4;
        case kDibBitfields:
            return headerSize == kDibInfoHeaderSize && (bitCount == 16 || bitCount == 32);
        default: return false;
    }
}

std::uint64_t DibHeadersEnd(const std::uint8_t* data, std::size_t size) {
    const std::size_t headerPos = size >= 2 && data[0] == 'B' && data[1] == 'M' ? kDibFileHeaderSize : 0;
    if (size < headerPos + 4) return size;
    const std::uint8_t* h = data + headerPos;
    const std::uint32_t headerSize = ReadU32(h);
    if (headerSize != kDibCoreHeaderSize && headerSize != kDibInfoHeaderSize) return size;  // refused
    if (size < headerPos + headerSize) return size;
    const std::uint64_t entries = DibPaletteSize(h, headerSize) & 0xFFFFu;
    const bool masks = headerSize == kDibInfoHeaderSize && ReadU32(h + 16) == kDibBitfields;
    return headerPos + headerSize + (masks ? 12 : 0) + entries * (headerSize == kDibCoreHeaderSize ? 3 : 4);
}

DibParseResult ParseDib(const std::uint8_t* data, std::size_t size, std::uint64_t fileSize) {
    DibLayout layout;
    std::size_t headerPos = 0;
    std::uint64_t filePixelOffset = 0;
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
        if (size < kDibFileHeaderSize) return Fail(kDibTruncated);
        layout.hasFileHeader = true;
        filePixelOffset = ReadU32(data + 10);
        headerPos = kDibFileHeaderSize;
    }
    if (size - headerPos < 4) return Fail(kDibTruncated);
    const std::uint8_t* h = data + headerPos;
    const std::uint32_t headerSize = ReadU32(h);
    if (headerSize != kDibCoreHeaderSize && headerSize != kDibInfoHeaderSize)
        return Fail(kDibUnknownFormat);
    if (size - headerPos < headerSize) return Fail(kDibTruncated);
    layout.headerSize = headerSize;

    DibInfoHeader& info = layout.header;
    if (headerSize == kDibCoreHeaderSize) {
        info.width = ReadU16(h + 4);
        info.height = ReadU16(h + 6);
        info.planes = ReadU16(h + 8);
        info.bitCount = ReadU16(h + 10);
        info.compression = kDibRgb;
    } else {
        info.width = ReadI32(h + 4);
        info.height = ReadI32(h + 8);
        info.planes = ReadU16(h + 12);
        info.bitCount = ReadU16(h + 14);
        info.compression = ReadU32(h + 16);
        info.sizeImage = ReadU32(h + 20);
        info.xPelsPerMeter = ReadI32(h + 24);
        info.yPelsPerMeter = ReadI32(h + 28);
        info.clrImportant = ReadU32(h + 36);
    }

    // Masks and palette: everything here must lie inside the file before a byte is copied.
    const std::uint64_t tableEnd = DibHeadersEnd(data, size);
    if (tableEnd > size) return Fail(kDibTruncated);
    const std::uint32_t entries = DibPaletteSize(h, headerSize) & 0xFFFFu;
    const std::size_t entrySize = headerSize == kDibCoreHeaderSize ? 3 : 4;
    layout.hasMasks = headerSize == kDibInfoHeaderSize && info.compression == kDibBitfields;
    const std::uint8_t* m = h + headerSize;
    if (layout.hasMasks) {
        for (int i = 0; i < 3; ++i) layout.masks[i] = ReadU32(m + 4 * i);
    }
    const std::uint8_t* table = m + (layout.hasMasks ? 12 : 0);
    layout.palette.resize(std::size_t{entries} * 4);
    for (std::uint32_t i = 0; i < entries; ++i) {
        const std::uint8_t* src = table + i * entrySize;
        std::uint8_t* dst = layout.palette.data() + i * 4;
        dst[0] = src[0];
        dst[1] = src[1];
        dst[2] = src[2];
        dst[3] = entrySize == 4 ? src[3] : 0;
    }
    info.size = kDibInfoHeaderSize;
    info.clrUsed = entries;
    if (headerSize == kDibCoreHeaderSize) info.clrImportant = entries;

    const std::uint64_t pixelOffset = layout.hasFileHeader ? filePixelOffset : tableEnd;
    if (pixelOffset > fileSize) return Fail(kDibTruncated);
    layout.pixelOffset = static_cast<std::size_t>(pixelOffset);

    if (info.width <= 0 || info.height == 0) return Fail(kDibConversionError);
    const std::int64_t rows = std::llabs(static_cast<std::int64_t>(info.height));
    if (info.width > kDibMaxSide || rows > kDibMaxSide ||
        static_cast<std::int64_t>(info.width) * rows > kDibMaxPixels)
        return Fail(kDibOutOfMemory);
    layout.width = info.width;
    layout.rows = static_cast<std::int32_t>(rows);
    layout.topDown = info.height < 0;

    const bool rle = info.compression == kDibRle8 || info.compression == kDibRle4;
    if (!IsSupportedDibFormat(headerSize, info.bitCount, info.compression) ||
        (rle && layout.topDown))
        return Fail(kDibConversionError);
    if (layout.hasMasks && (layout.masks[0] == 0 || layout.masks[1] == 0 || layout.masks[2] == 0))
        return Fail(kDibConversionError);

    const std::uint64_t available = fileSize - pixelOffset;
    if (rle) {
        const std::uint64_t bytes =
            info.sizeImage != 0 ? std::min<std::uint64_t>(info.sizeImage, available) : available;
        if (bytes > kDibMaxRleBytes) return Fail(kDibOutOfMemory);
        layout.pixelBytes = static_cast<std::size_t>(bytes);
    } else {
        const std::uint64_t needed = DibRowStride(info.width, info.bitCount) *
                                     static_cast<std::uint64_t>(rows);
        if (needed > available) return Fail(kDibTruncated);
        layout.pixelBytes = static_cast<std::size_t>(needed);
    }
    info.sizeImage = static_cast<std::uint32_t>(layout.pixelBytes);
    return DibParseResult{std::move(layout), std::string()};
}

}  // namespace morvantis
