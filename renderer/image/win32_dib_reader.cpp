#include "renderer/image/win32_dib_reader.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <vector>

#include "renderer/image/dib_decode.h"
#include "renderer/image/dib_format.h"

namespace morvantis {
namespace {

// The conversion header GDI reads: the converted 40-byte header, the masks for BI_BITFIELDS,
// then the palette padded with zero entries to the full 2^bitCount entries of a paletted depth
// (so that GDI finds a whole table however it counts it).
std::vector<std::uint8_t> ConversionHeader(const DibLayout& layout) {
    const DibInfoHeader& info = layout.header;
    const std::size_t masks = layout.hasMasks ? sizeof layout.masks : 0;
    const std::size_t full = info.bitCount <= 8 ? std::size_t{1} << info.bitCount : 0;
    std::vector<std::uint8_t> bytes(sizeof(BITMAPINFOHEADER) + masks + std::max(layout.palette.size(), full * 4));
    const BITMAPINFOHEADER header = {sizeof header, info.width, info.height, info.planes, info.bitCount,
                                     info.compression, info.sizeImage, info.xPelsPerMeter, info.yPelsPerMeter,
                                     info.clrUsed, info.clrImportant};
    std::memcpy(bytes.data(), &header, sizeof header);
    std::memcpy(bytes.data() + sizeof header, layout.masks.data(), masks);
    std::copy(layout.palette.begin(), layout.palette.end(), bytes.begin() + sizeof header + masks);
    return bytes;
}

std::wstring Utf16(const std::string& utf8) {
    const int size = static_cast<int>(std::min<std::size_t>(utf8.size(), INT_MAX));
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(units, 0)), L'\0');
    if (units > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), units);
    return wide;
}

}  // namespace

void ShowDibErrorBox(const char* text, void* /*context*/) {
    MessageBoxW(GetFocus(), Utf16(text).c_str(), L"Error", MB_OK);
}

std::optional<RgbImage> ReadDibImage(const std::string& path, DibMessageSink sink, void* context) {
    auto report = [&](const char* text) {
        if (sink != nullptr) sink(text, context);
    };

    HANDLE file = INVALID_HANDLE_VALUE;
    HANDLE mapping = nullptr;
    const std::uint8_t* view = nullptr;
    std::size_t size = 0;
    HDC dc = nullptr;
    HBITMAP section = nullptr;
    BITMAPINFO sectionInfo{};
    std::vector<std::uint8_t> conversionHeader;
    std::optional<RgbImage> result;
    bool openFailed = false;

    // Step by step; any failure leaves the block and goes to the clean-up below.
    do {
        file = CreateFileW(Utf16(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        LARGE_INTEGER fileSize{};
        if (file == INVALID_HANDLE_VALUE || !GetFileSizeEx(file, &fileSize)) {
            openFailed = true;
            break;
        }
        // An empty file cannot be mapped; CreateFileMappingW fails for it.
        mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
        if (mapping == nullptr) {
            openFailed = true;
            break;
        }
        view = static_cast<const std::uint8_t*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0));
        if (view == nullptr) {
            openFailed = true;
            break;
        }
        size = static_cast<std::size_t>(fileSize.QuadPart);

        // The shared header logic decides whether the file holds all the data GDI will read.
        DibParseResult parsed;
        try {
            parsed = ParseDib(view, size);
        } catch (const std::bad_alloc&) {
            report(kDibOutOfMemory);
            break;
        }
        if (!parsed.layout) {
            report(parsed.error.c_str());
            break;
        }
        const DibLayout& layout = *parsed.layout;
        const std::int32_t width = layout.width;
        const std::int32_t rows = layout.rows;

        try {
            conversionHeader = ConversionHeader(layout);
        } catch (const std::bad_alloc&) {
            report(kDibOutOfMemory);
            break;
        }

        // A bottom-up 24-bit section: SetDIBits turns top-down sources the right way up.
        dc = CreateCompatibleDC(nullptr);
        if (dc == nullptr) {
            report(kDibOutOfMemory);
            break;
        }
        sectionInfo.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        sectionInfo.bmiHeader.biWidth = width;
        sectionInfo.bmiHeader.biHeight = rows;
        sectionInfo.bmiHeader.biPlanes = 1;
        sectionInfo.bmiHeader.biBitCount = 24;
        sectionInfo.bmiHeader.biCompression = BI_RGB;
        sectionInfo.bmiHeader.biSizeImage = static_cast<DWORD>(rows) * width * 3;
        void* bits = nullptr;
        section = CreateDIBSection(dc, &sectionInfo, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (section == nullptr || bits == nullptr || SelectObject(dc, section) == nullptr) {
            report(kDibOutOfMemory);
            break;
        }

        const BITMAPINFO* sourceInfo = reinterpret_cast<const BITMAPINFO*>(conversionHeader.data());
        if (SetDIBits(dc, section, 0, static_cast<UINT>(rows), view + layout.pixelOffset,
                      sourceInfo, DIB_RGB_COLORS) == 0) {
            report(kDibConversionError);
            break;
        }
        GdiFlush();

        RgbImage image;
        try {
            image.pixels.resize(static_cast<std::size_t>(rows) * width * 3);
        } catch (const std::bad_alloc&) {
            report(kDibOutOfMemory);
            break;
        }
        image.width = width;
        image.height = rows;
        // Section rows store blue, green, red and end with (width mod 4) bytes of padding.
        const std::uint8_t* src = static_cast<const std::uint8_t*>(bits);
        std::uint8_t* dst = image.pixels.data();
        for (std::int32_t y = 0; y < rows; ++y) {
            for (std::int32_t x = 0; x < width; ++x, src += 3, dst += 3) {
                dst[0] = src[2];
                dst[1] = src[1];
                dst[2] = src[0];
            }
            src += width % 4;
        }
        WidenNarrowChannels(layout, image);
        result = std::move(image);
    } while (false);

    // Clean-up, always and in this order.
    if (dc != nullptr) DeleteDC(dc);
    if (section != nullptr) DeleteObject(section);
    std::vector<std::uint8_t>().swap(conversionHeader);
    if (view != nullptr) UnmapViewOfFile(view);
    if (mapping != nullptr) CloseHandle(mapping);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);

    if (openFailed) report(DibOpenFailedMessage(path).c_str());
    return result;
}

}  // namespace morvantis
