#include "render/draw_helpers.h"

#include <GL/glut.h>

#include <cstdio>
#include <cstring>

#include "game/game_state.h"

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

// The tunnel's cubes come in the four block colours plus white, one pair of
// display lists each: edges, then faces.
constexpr int kListColours = 5;
GLuint cubeLists = 0;

// Both cubes are one GL_QUADS batch of the six faces, in the colour of the
// block value at the alpha given. The colour is set inside the batch, as a
// colour of its vertices: a colour changed between batches makes the renderer
// flush everything queued so far, and the tunnel would do that twice a cube.
// The faces without texture coordinates keep whatever coordinate is current,
// so each of them shows a single texel's colour.
void emitCube(float size, bool textured, int colour, float alpha) {
    const float h = size / 2;
    glBegin(GL_QUADS);
    setBlockColour(colour, alpha);
    for (int f = 0; f < 6; ++f) {
        for (int v = 0; v < 4; ++v) {
            if (textured && kTextured[f]) glTexCoord2f(kTexCoords[v][0], kTexCoords[v][1]);
            const signed char *c = kFaces[f].corner[v];
            glVertex3f(c[0] * h, c[1] * h, c[2] * h);
        }
    }
    glEnd();
}

// The outlines of the same six faces as line segments, each face's four edges
// in order, so an outline needs no switch of the polygon mode. Opaque, in the
// block value's colour.
void emitCubeEdges(float size, int colour) {
    const float h = size / 2;
    glBegin(GL_LINES);
    setBlockColour(colour, 1.0f);
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

void buildCubeLists(float size) {
    cubeLists = glGenLists(2 * kListColours);
    for (int colour = 0; colour < kListColours; ++colour) {
        glNewList(cubeLists + 2 * colour, GL_COMPILE);
        emitCubeEdges(size, colour);
        glEndList();
        glNewList(cubeLists + 2 * colour + 1, GL_COMPILE);
        emitCube(size, false, colour, 0.5f);
        glEndList();
    }
}

void drawCube(int colour) {
    const GLuint first = cubeLists + 2 * (colour >= 1 && colour < kListColours ? colour : 0);
    glCallList(first);
    glCallList(first + 1);
}

void drawTexturedCube(float size) { emitCube(size, true, Empty, 1.0f); }
