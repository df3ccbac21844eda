#include "render/draw_helpers.h"

#include <GL/glut.h>

#include <cstdio>
#include <cstring>

namespace {

// Room for any label the game shows plus the widest int ("-2147483648").
constexpr int kLabelRoom = 48;
constexpr int kIntRoom = 12;  // eleven characters and the terminator

// One face of a cube: four corners, each a sign triple scaled by the half-edge.
struct Face {
    signed char corner[4][3];
};

// The six faces in drawing order: back, right, left, top, bottom, front. The
// preview textures only the left, top and front faces, the three that its tilt
// turns toward the player.
constexpr Face kFaces[6] = {
    {{{-1, 1, -1}, {1, 1, -1}, {1, -1, -1}, {-1, -1, -1}}},  // back
    {{{1, 1, 1}, {1, 1, -1}, {1, -1, -1}, {1, -1, 1}}},      // right
    {{{-1, 1, 1}, {-1, 1, -1}, {-1, -1, -1}, {-1, -1, 1}}},  // left
    {{{1, 1, 1}, {1, 1, -1}, {-1, 1, -1}, {-1, 1, 1}}},      // top
    {{{1, -1, 1}, {1, -1, -1}, {-1, -1, -1}, {-1, -1, 1}}},  // bottom
    {{{-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}}},      // front
};
constexpr bool kTextured[6] = {false, false, true, true, false, true};
constexpr float kTexCoords[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};

// Both cubes are one GL_QUADS batch of the six faces. The faces without
// texture coordinates keep whatever coordinate is current, so each of them shows
// a single texel's colour.
void emitCube(float size, bool textured) {
    const float h = size / 2;
    glBegin(GL_QUADS);
    for (int f = 0; f < 6; ++f) {
        for (int v = 0; v < 4; ++v) {
            if (textured && kTextured[f]) glTexCoord2f(kTexCoords[v][0], kTexCoords[v][1]);
            const signed char *c = kFaces[f].corner[v];
            glVertex3f(c[0] * h, c[1] * h, c[2] * h);
        }
    }
    glEnd();
}

// Every character of a bitmap font compiled into display lists, one list a
// character code, so a line of text is one glCallLists instead of a GLUT call
// that saves, sets and restores the pixel unpacking for every character. Lists
// belong to one window's context, so each window and font gets its own set.
struct FontLists {
    void *font;
    int window;
    GLuint base;
};
constexpr int kMaxFontLists = 4;
FontLists fontLists[kMaxFontLists];
int fontListCount = 0;

GLuint charLists(void *font) {
    const int window = glutGetWindow();
    for (int i = 0; i < fontListCount; ++i)
        if (fontLists[i].font == font && fontLists[i].window == window) return fontLists[i].base;
    if (fontListCount == kMaxFontLists) return 0;
    const GLuint base = glGenLists(256);
    // GLUT sets the pixel unpacking around each character itself; glBitmap
    // unpacks the character into the list as it is compiled.
    for (int c = 1; c < 256; ++c) {
        glNewList(base + c, GL_COMPILE);
        glutBitmapCharacter(font, c);
        glEndList();
    }
    fontLists[fontListCount++] = {font, window, base};
    return base;
}

// The outlines of the same six faces as line segments, each face's four edges
// in order, so an outline needs no switch of the polygon mode.
void emitCubeEdges(float size) {
    const float h = size / 2;
    glBegin(GL_LINES);
    for (const Face &face : kFaces) {
        for (int v = 0; v < 4; ++v) {
            for (int end = 0; end < 2; ++end) {
                const signed char *c = face.corner[(v + end) % 4];
                glVertex3f(c[0] * h, c[1] * h, c[2] * h);
            }
        }
    }
    glEnd();
}

}  // namespace

void drawText(float x, float y, void *font, const char *text) {
    glRasterPos3f(x, y, 0);
    // Characters count as plain chars widened to int, exactly as typed: GLUT
    // draws codes 1 to 255 and skips a negative char silently.
    const GLuint base = charLists(font);
    if (base == 0) {
        for (const char *p = text; *p != '\0'; ++p) glutBitmapCharacter(font, *p);
        return;
    }
    glListBase(base);
    constexpr GLsizei kRun = 64;
    unsigned char codes[kRun];
    GLsizei n = 0;
    for (const char *p = text; *p != '\0'; ++p) {
        if (*p < 0) continue;  // as GLUT skips it
        codes[n++] = static_cast<unsigned char>(*p);
        if (n == kRun) {
            glCallLists(n, GL_UNSIGNED_BYTE, codes);
            n = 0;
        }
    }
    if (n > 0) glCallLists(n, GL_UNSIGNED_BYTE, codes);
    glListBase(0);
}

void drawLabelValue(int x, int y, const char *label, int value) {
    char finalstring[kLabelRoom + kIntRoom];
    char tempint[kIntRoom];
    std::snprintf(finalstring, kLabelRoom, "%s", label);
    std::snprintf(tempint, sizeof tempint, "%d", value);
    std::strncat(finalstring, tempint, sizeof finalstring - std::strlen(finalstring) - 1);
    glColor3f(0, 0, 0);
    drawText(static_cast<float>(x), static_cast<float>(y), GLUT_BITMAP_8_BY_13, finalstring);
}

void setBlockColour(int colour, float alpha) {
    switch (colour) {
        case 1:
            glColor4f(1.0f, 0.0f, 0.0f, alpha);
            break;
        case 2:
            glColor4f(0.0f, 0.8f, 0.3f, alpha);
            break;
        case 3:
            glColor4f(0.0f, 0.0f, 1.0f, alpha);
            break;
        case 4:
            glColor4f(0.0f, 0.8f, 1.0f, alpha);
            break;
        default:  // empty, or anything unknown, is white
            glColor4f(1.0f, 1.0f, 1.0f, alpha);
            break;
    }
}

void buildCubeList(float size) {
    glNewList(1, GL_COMPILE);
    emitCube(size, false);
    glEndList();
    glNewList(2, GL_COMPILE);
    emitCubeEdges(size);
    glEndList();
}

void drawTexturedCube(float size) { emitCube(size, true); }
