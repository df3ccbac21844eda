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

}  // namespace

void drawText(float x, float y, void *font, const char *text) {
    glRasterPos3f(x, y, 0);
    // Characters go to GLUT as plain chars widened to int, exactly as typed.
    for (const char *p = text; *p != '\0'; ++p) glutBitmapCharacter(font, *p);
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
}

void drawTexturedCube(float size) { emitCube(size, true); }
