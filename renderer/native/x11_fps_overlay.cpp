#include "renderer/native/x11_fps_overlay.h"

#include <GL/glu.h>

#include <cstring>

namespace morvantis {
namespace {

constexpr int kFirstGlyph = 32, kGlyphCount = 95;  // printable ASCII
constexpr int kMargin = 10;  // pixels from the window's edges

}  // namespace

bool FpsOverlay::Open(Display* display) {
    font_ = XLoadQueryFont(display, "fixed");
    if (!font_) return false;
    lists_ = glGenLists(kGlyphCount);
    if (lists_ == 0) return false;
    glXUseXFont(font_->fid, kFirstGlyph, kGlyphCount, static_cast<int>(lists_));
    // The space has no ink, and Mesa drops a list's empty bitmap with its advance: give it one
    // blank pixel to carry the advance.
    const GLubyte blank[1] = {0};
    glNewList(lists_ + (' ' - kFirstGlyph), GL_COMPILE);
    glBitmap(1, 1, 0.0f, 0.0f, static_cast<GLfloat>(XTextWidth(font_, " ", 1)), 0.0f, blank);
    glEndList();
    return true;
}

void FpsOverlay::Draw(const char* text, int width, int height) const {
    if (lists_ == 0) return;
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LIST_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_FOG);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0.0, width, 0.0, height);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glColor3f(1.0f, 1.0f, 1.0f);  // the raster colour is taken from the current colour here
    glRasterPos2i(kMargin, kMargin + font_->descent);
    glListBase(lists_ - kFirstGlyph);
    glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}

void FpsOverlay::Close(Display* display) {
    if (lists_) glDeleteLists(lists_, kGlyphCount);
    if (font_) XFreeFont(display, font_);
    lists_ = 0;
    font_ = nullptr;
}

}  // namespace morvantis
