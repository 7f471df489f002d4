// The frames-per-second line in the lower left corner of a GLX window. OpenGL 1.1 has no text,
// so the glyphs of an X font become GL bitmaps (glXUseXFont). Included by the X11 shells only.
#pragma once

#include <GL/glx.h>

namespace morvantis {

class FpsOverlay {
public:
    // Builds the glyphs in the current context; false when the server has no font to lend.
    bool Open(Display* display);
    // Draws `text` over whatever the frame holds, leaving the GL state as it was.
    void Draw(const char* text, int width, int height) const;
    void Close(Display* display);

private:
    XFontStruct* font_ = nullptr;
    GLuint lists_ = 0;
};

}  // namespace morvantis
