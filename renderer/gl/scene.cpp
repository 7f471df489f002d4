#include "renderer/gl/scene.h"

#include "renderer/gl/headers.h"

namespace morvantis {
namespace {

constexpr float kTexelStep = 0.015625f;

void SetFog(float start, float end) {
    glFogf(GL_FOG_START, start);
    glFogf(GL_FOG_END, end);
    glFogf(GL_FOG_MODE, GL_LINEAR);
}

void SurfaceVertex(const GridVertex& v, int row, int column, bool normalFirst) {
    glColor3f(v.shade, v.shade, v.shade);
    if (normalFirst) glNormal3f(0.0f, v.shade, 0.0f);
    glTexCoord2f(row * kTexelStep, column * kTexelStep);
    if (!normalFirst) glNormal3f(0.0f, v.shade, 0.0f);
    glVertex3f(v.x, v.y, v.z);
}

void DrawSphere(const Scene& scene, const FramePlan& plan, int i) {
    const Sphere& sphere = plan.spheres[i];
    glPushMatrix();
    glTranslatef(sphere.x, sphere.height + kSphereRadius, sphere.z);
    // Additive and without depth writes: spheres and surfaces add up in drawing order.
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glDepthMask(GL_FALSE);

    glPushMatrix();
    glRotatef(-plan.spinAngle, 0.0f, 1.0f, 0.0f);
    DrawSurface(scene, i);
    glPopMatrix();

    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, scene.textures.sphereTexture);
    glColor3f(0.0f, i * 0.2f, 1.0f);
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, 0.0f);
    glRotatef(plan.spinAngle, 1.0f, 0.0f, 0.0f);
    glRotatef(plan.tiltAngle, 0.0f, 0.0f, 1.0f);
    gluSphere(scene.quadric, kSphereRadius, 12, 12);
    glPopMatrix();

    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}

}  // namespace

void SetProjection(int width, int height) {
    if (height == 0) height = 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(width) / static_cast<double>(height), 0.1f, 600.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

bool SetupScene(Scene& scene, const ImageReader& read, const TexturePaths& paths) {
    if (!LoadTextures(read, paths, scene.textures)) return false;
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    const GLfloat black[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    glFogfv(GL_FOG_COLOR, black);
    SetFog(0.0f, 60.0f);
    glEnable(GL_FOG);
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    // Without a quadric there are no spheres to draw: end like any other set-up failure.
    scene.quadric = gluNewQuadric();
    if (!scene.quadric) return false;
    gluQuadricNormals(scene.quadric, GLU_SMOOTH);
    gluQuadricTexture(scene.quadric, GL_TRUE);
    return true;
}

bool DrawFrame(Scene& scene) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    const FramePlan plan = BeginFrame(scene.state);
    gluLookAt(plan.eye.x, plan.eye.y, plan.eye.z, 0.0, 10.0, 0.0, 0.0, 1.0, 0.0);
    if (plan.fogChanged) {
        glDisable(GL_FOG);
        SetFog(plan.fogStart, plan.fogEnd);
        glEnable(GL_FOG);
    }
    for (int i = 0; i < kSphereCount; ++i) DrawSphere(scene, plan, i);
    EndFrame(scene.state);
    return true;
}

void DrawSurface(const Scene& scene, int sphereIndex) {
    const Grid& grid = scene.state.animatedGrid;
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
    glBindTexture(GL_TEXTURE_2D, scene.textures.surfaceSlots[sphereIndex % 2]);
    for (int c = 0; c < kGridSize - 1; ++c) {
        glBegin(GL_QUAD_STRIP);
        for (int r = 0; r < kGridSize - 1; ++r) {
            SurfaceVertex(At(grid, r, c), r, c, false);
            SurfaceVertex(At(grid, r, c + 1), r, c + 1, true);
        }
        glEnd();
    }
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glDisable(GL_TEXTURE_2D);
}

void ReleaseScene(Scene& scene) {
    ReleaseTextureImages(scene.textures);
    if (scene.quadric) gluDeleteQuadric(scene.quadric);
    scene.quadric = nullptr;
}

}  // namespace morvantis
