#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

#include "assets/ppm.h"
#include "assets/texture.h"

unsigned int loadTexture(const char *path, int repeat, const char *&why) {
    GLint maxSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    PpmImage image;
    // No texture name is made until the whole picture has been read.
    if (!readPpmFile(path, image, std::min<int>(maxSide, kMaxPpmSide), &why)) return 0;

    GLuint temptexture = 0;
    glGenTextures(1, &temptexture);
    glBindTexture(GL_TEXTURE_2D, temptexture);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    const GLfloat wrap = repeat != 0 ? GL_REPEAT : GL_CLAMP;
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    // Rows are packed tightly, so any width reads right.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE,
                      image.pixels.data());
    return temptexture;
}
