// Draws the scene with OpenGL 1.1: camera, fog, four translucent spheres each holding a copy
// of the animated fractal surface. Needs a current rendering context.
#pragma once

#include "renderer/animation/renderer_state.h"
#include "renderer/gl/textures.h"

struct GLUquadric;

namespace morvantis {

struct Scene {
    RendererState state;
    SceneTextures textures;
    GLUquadric* quadric = nullptr;
};

// Viewport and a 45-degree perspective; a height of 0 counts as 1.
void SetProjection(int width, int height);

// Loads the textures and sets the fixed GL state. False when no texture could be loaded, or
// when the sphere quadric cannot be created.
bool SetupScene(Scene& scene, const ImageReader& read, const TexturePaths& paths);

// Draws one frame and advances the animation by one step.
bool DrawFrame(Scene& scene);

void DrawSurface(const Scene& scene, int sphereIndex);

void ReleaseScene(Scene& scene);

}  // namespace morvantis
