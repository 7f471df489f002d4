#include "renderer/image/png_writer.h"

#include <png.h>

namespace morvantis {

bool WritePng(std::FILE* file, int width, int height, const std::vector<std::uint8_t>& rgbTopDown) {
    if (width <= 0 || height <= 0 || rgbTopDown.size() < static_cast<std::size_t>(width) * height * 3)
        return false;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    const int ok = png_image_write_to_stdio(&image, file, 0, rgbTopDown.data(), width * 3, nullptr);
    png_image_free(&image);
    return ok != 0;
}

}  // namespace morvantis
