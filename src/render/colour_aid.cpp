#include "render/colour_aid.h"

#include <GL/glut.h>

#include <cmath>

#include "game/game_state.h"
#include "render/grid_layout.h"
#include "render/view.h"

namespace {

// A shape spans about a third of its block: 12 pixels on the panel, a third of
// a cube's 0.3 edge in the tunnel.
constexpr float kGridShape = 6;
constexpr int kHalfCell = kGridCell / 2;  // a cell's centre from its corner
constexpr float kCubeShape = 0.05f;
// The cubes' front faces lie 0.15 before their centres; the shapes a hair in
// front of them, so the depth test puts them over their own face but behind
// any nearer cube.
constexpr float kFrontFace = 0.152f;

// The corners of the shapes with corners, for a disc of radius 1 and of about
// its area, by colour; red's disc is drawn as a polygon of many sides.
struct Outline {
    int count;
    float corner[4][2];
};
constexpr Outline kOutlines[5] = {
    {0, {}},                                                            // empty: none
    {0, {}},                                                            // red: the disc
    {3, {{-1.15f, -0.95f}, {1.15f, -0.95f}, {0, 1.15f}}},               // green: a triangle
    {4, {{-0.9f, -0.9f}, {0.9f, -0.9f}, {0.9f, 0.9f}, {-0.9f, 0.9f}}},  // blue: a square
    {4, {{0, -1.25f}, {1.25f, 0}, {0, 1.25f}, {-1.25f, 0}}},            // light blue: a diamond
};
constexpr int kDiscSides = 24;
constexpr double kFullTurn = 6.283185307179586;  // radians

// The filled shape of a block's colour, centred on the origin in the xy plane,
// `size` being the disc's radius. The shapes differ in outline, not only in
// colour, so they can be told apart in grey: red a disc, green a triangle
// pointing up, blue a square, light blue a diamond. Empty cells carry none.
void drawShape(int colour, float size) {
    if (colour < Red || colour > LightBlue) return;
    glBegin(GL_POLYGON);
    if (colour == Red) {
        for (int i = 0; i < kDiscSides; ++i) {
            const double angle = kFullTurn * i / kDiscSides;
            glVertex2f(size * static_cast<float>(std::cos(angle)),
                       size * static_cast<float>(std::sin(angle)));
        }
    }
    const Outline &outline = kOutlines[colour];
    for (int i = 0; i < outline.count; ++i)
        glVertex2f(size * outline.corner[i][0], size * outline.corner[i][1]);
    glEnd();
}

}  // namespace

void drawColourAidGrid() {
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glColor4f(0, 0, 0, 1);  // opaque black reads on every fill
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const int k = game.board[game.viewSide][r][c];
            if (k == Empty) continue;
            glPushMatrix();
            glTranslatef(kGridLeft + kGridCell * c + kHalfCell, kGridCell * r + kHalfCell, 0);
            drawShape(k, kGridShape);
            glPopMatrix();
        }
    }
}

void drawColourAidCubes() {
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glColor4f(0, 0, 0, 1);
    for (int side = 0; side < kSides; ++side) {
        for (int row = 0; row < kRows; ++row) {
            for (int col = 0; col < kColumns; ++col) {
                const int k = shownWalls()[side][row][col];
                if (k == Empty) continue;
                float centre[3];
                blockCentre(side, row, col, centre);
                glPushMatrix();
                glTranslatef(centre[0], centre[1], centre[2] + kFrontFace);
                drawShape(k, kCubeShape);
                glPopMatrix();
            }
        }
    }
}
