#include "render/colour_aid.h"

#include <GL/glut.h>

#include <cmath>

#include "game/game_state.h"
#include "render/view.h"

namespace {

// The flat grid's cells, as the control panel lays them out: 30 pixels square
// from the panel point (10, 0).
constexpr float kCell = 30;
constexpr float kGridLeft = 10;
// A shape spans about a third of its block: 12 pixels on the panel, a third of
// a cube's 0.3 edge in the tunnel.
constexpr float kGridShape = 6;
constexpr float kCubeShape = 0.05f;
// The cubes' front faces lie 0.15 before their centres; the shapes a hair in
// front of them, so the depth test puts them over their own face but behind
// any nearer cube.
constexpr float kFrontFace = 0.152f;

// One filled shape per colour, centred on the origin in the xy plane: a disc
// of radius `size`, the others of about its area. They differ in outline, not only
// in colour, so they can be told apart in grey: red a disc, green a triangle
// pointing up, blue a square, light blue a diamond. Empty cells carry none.
void drawShape(int colour, float size) {
    static constexpr float kTriangle[3][2] = {{-1.15f, -0.95f}, {1.15f, -0.95f}, {0, 1.15f}};
    static constexpr float kSquare[4][2] = {
        {-0.9f, -0.9f}, {0.9f, -0.9f}, {0.9f, 0.9f}, {-0.9f, 0.9f}};
    static constexpr float kDiamond[4][2] = {{0, -1.25f}, {1.25f, 0}, {0, 1.25f}, {-1.25f, 0}};
    const float(*corners)[2] = nullptr;
    int count = 0;
    switch (colour) {
        case Red: {
            constexpr int kSegments = 24;
            glBegin(GL_TRIANGLE_FAN);
            glVertex2f(0, 0);
            for (int i = 0; i <= kSegments; ++i) {
                const double angle = 2 * M_PI * i / kSegments;
                glVertex2f(size * static_cast<float>(std::cos(angle)),
                           size * static_cast<float>(std::sin(angle)));
            }
            glEnd();
            return;
        }
        case Green:
            corners = kTriangle;
            count = 3;
            break;
        case Blue:
            corners = kSquare;
            count = 4;
            break;
        case LightBlue:
            corners = kDiamond;
            count = 4;
            break;
        default:
            return;
    }
    glBegin(GL_POLYGON);
    for (int i = 0; i < count; ++i) glVertex2f(size * corners[i][0], size * corners[i][1]);
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
            glTranslatef(kGridLeft + kCell * c + kCell / 2, kCell * r + kCell / 2, 0);
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
                const int k = game.board[side][row][col];
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
