// The view window: picks the credits, the high-score table or the tunnel, and
// draws the tunnel seen from its mouth.
#include "render/view.h"

#include <GL/glut.h>

#include "app/layout.h"
#include "game/game_state.h"
#include "render/colour_aid.h"
#include "render/credits.h"
#include "render/draw_helpers.h"
#include "render/score_screen.h"

// Centre of the cube for a block. Column 0 sits at the bottom of the Left
// wall, at the left of the Top and Bottom walls and at the top of the Right
// wall, so a column runs the same way round the tunnel on every wall. The Top
// and Right walls stand a hair beyond 0.9.
void blockCentre(int side, int row, int col, float out[3]) {
    const float across = (col + 1) * 0.3f - 0.9f;
    const float reversed = (5 - col) * 0.3f - 0.9f;
    const float wall = 0.9000001f;
    out[2] = row * 0.3f - 2.0f;
    switch (side) {
        case Left:
            out[0] = -0.9f;
            out[1] = across;
            break;
        case Top:
            out[0] = across;
            out[1] = wall;
            break;
        case Right:
            out[0] = wall;
            out[1] = reversed;
            break;
        default:  // Bottom
            out[0] = across;
            out[1] = -0.9f;
            break;
    }
}

void drawView() {
    switch (game.mode) {
        case Mode::Credits:
        case Mode::Ending:
            return drawCredits();
        case Mode::HighScores:
        case Mode::OverScores:
        case Mode::NameEntry:
        case Mode::ScoreSaved:
            // The table, with the name prompt while the name is typed.
            return drawScoreScreen(game.scores, game.mode == Mode::NameEntry);
        default:
            break;
    }
    glutSetWindow(game.viewWindow);
    glLineWidth(static_cast<float>(lineWidth(shownLayout)));
    glEnable(GL_DEPTH_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearColor(0, 0, 0, 0);
    // The mouth (z = 0) lies on the near plane; the far end 2 units behind it.
    glLoadIdentity();
    glTranslatef(0, 0, -kEyeDistance);
    drawBackdrop();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    // The cubes carry their colour on every vertex; shaded flat, each face
    // shows that colour exactly, as a colour set for the whole cube would,
    // instead of a colour rebuilt across the face in perspective.
    glShadeModel(GL_FLAT);
    drawBoard3D();
    glShadeModel(GL_SMOOTH);
    glFlush();
    glutSwapBuffers();
    glDisable(GL_BLEND);
}

void drawBackdrop() {
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glColor3f(0.3f, 0.3f, 0.3f);
    glBegin(GL_QUADS);
    glVertex3f(1, 1, -2);
    glVertex3f(-1, 1, -2);
    glVertex3f(-1, -1, -2);
    glVertex3f(1, -1, -2);
    glEnd();

    // The four corner edges, in seven segments that fade from light grey at the
    // mouth to the far square's grey.
    static const float corners[4][2] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    glBegin(GL_LINES);
    for (int i = 0; i < 7; ++i) {
        const float grey = 0.9f - i * 0.1f;
        const float z1 = 0.1f - i * 0.3f;
        const float z2 = -0.2f - i * 0.3f;
        glColor3f(grey, grey, grey);
        for (const auto &corner : corners) {
            glVertex3f(corner[0], corner[1], z1);
            glVertex3f(corner[0], corner[1], z2);
        }
    }
    glEnd();
}

void drawBoard3D() {
    glutSetWindow(game.viewWindow);
    // Far rows first: with blending on, each translucent cube is laid over what
    // lies behind it. A cube's solid edges go down before its faces, cube by
    // cube: neighbours share edges, and drawing all edges first would change
    // which cube's colour such an edge shows. The edges have a line list of
    // their own, so no polygon-mode switch lies between the two, and each
    // colour has its lists, so no colour change either. The colour aid's shapes
    // follow their own cube's faces, so that nearer cubes lie over them as they
    // lie over the cube.
    for (int row = 0; row < kRows; ++row) {
        for (int side = 0; side < kSides; ++side) {
            for (int col = 0; col < kColumns; ++col) {
                const int c = shownWalls()[side][row][col];
                if (c == Empty) continue;
                float centre[3];
                blockCentre(side, row, col, centre);
                glPushMatrix();
                glTranslatef(centre[0], centre[1], centre[2]);
                drawCube(c);
                if (game.colourAid == 1) drawCubeShapes(side, row, col);
                glPopMatrix();
            }
        }
    }
}
