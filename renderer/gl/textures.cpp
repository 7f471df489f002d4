#include "renderer/gl/textures.h"

#include "renderer/gl/headers.h"
#include "renderer/image/regular_file.h"

namespace morvantis {

std::optional<RgbImage> LoadImageIfPresent(const ImageReader& read, const std::string& path) {
    if (!FileIsReadable(path)) return std::nullopt;
    return read(path);
}

bool LoadTextures(const ImageReader& read, const TexturePaths& paths, SceneTextures& textures) {
    bool loaded = false;
    textures.surfaceImage = LoadImageIfPresent(read, paths.surface);
    if (textures.surfaceImage) {
        glGenTextures(1, &textures.surfaceSlots[0]);
        UploadTexture(textures.surfaceSlots[0], *textures.surfaceImage);
        loaded = true;
    }
    textures.sphereImage = LoadImageIfPresent(read, paths.sphere);
    if (textures.sphereImage) {
        glGenTextures(1, &textures.sphereTexture);
        UploadTexture(textures.sphereTexture, *textures.sphereImage);
        loaded = true;
    }
    return loaded;
}

void UploadTexture(unsigned name, const RgbImage& image) {
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    // Rows are tightly packed: any width uploads correctly, not only multiples of four.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE,
                      image.pixels.data());
}

void ReleaseTextureImages(SceneTextures& textures) {
    textures.surfaceImage.reset();
    textures.sphereImage.reset();
}

}  // namespace morvantis
