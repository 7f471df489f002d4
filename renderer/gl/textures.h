// The scene's two textures: read from BMP files at start, uploaded as mipmapped textures.
#pragma once

#include "renderer/image/rgb_image.h"

#include <functional>
#include <optional>
#include <string>

namespace morvantis {

// Reads one picture file; reports its own failures and returns nothing then.
using ImageReader = std::function<std::optional<RgbImage>(const std::string& path)>;

struct TexturePaths {
    std::string surface;  // sphere-mapped onto the fractal surfaces
    std::string sphere;   // wrapped around the spheres
};

struct SceneTextures {
    unsigned surfaceSlots[2] = {0, 0};  // slot 1 is never filled: spheres 1 and 3 show plain grey levels
    unsigned sphereTexture = 0;
    std::optional<RgbImage> surfaceImage;
    std::optional<RgbImage> sphereImage;
};

// Nothing for a file that is missing or cannot be read (no message); otherwise what the reader
// makes of it (a FIFO or a device gets the reader's own refusal).
std::optional<RgbImage> LoadImageIfPresent(const ImageReader& read, const std::string& path);

// Loads both pictures and builds their textures; true when at least one was loaded.
bool LoadTextures(const ImageReader& read, const TexturePaths& paths, SceneTextures& textures);

void UploadTexture(unsigned name, const RgbImage& image);

// Frees the pictures (the texture objects go with the context).
void ReleaseTextureImages(SceneTextures& textures);

}  // namespace morvantis
