// OpenGL 1.1 and GLU. On Windows the GL headers need the Windows types first.
#pragma once

#ifdef _WIN32
#include <windows.h>
#endif
#include <GL/gl.h>
#include <GL/glu.h>
