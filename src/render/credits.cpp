// The credits, shown in the view window from the first press of Exit until the
// program ends.
#include "render/credits.h"

#include <GL/glut.h>

#include "game/game_state.h"
#include "render/draw_helpers.h"

namespace {

struct Line {
    float y;
    const char *text;
};

// Lines start a tenth of the window's width from its left edge. Each is at
// most 70 characters, so at 8 pixels a character it ends inside the window.
constexpr float kLeft = -0.8f;

constexpr Line kTitle[] = {
    {0.8f, "Tumblewell Credits"},
    {0.75f, "========================="},
};

// The middle of the window is left empty between 0.3 and -0.3.
constexpr Line kBody[] = {
    {0.6f, "Tumblewell was made by the Tumblewell developers."},
    {0.5f, "Its sounds were synthesised with sox and espeak-ng."},
    {0.4f, "Its block pictures were drawn by a small script."},
    {0.3f, "The tunnel and the panel are drawn live with OpenGL."},
    {-0.3f, "Written in C++ with OpenGL and GLUT for the windows and pictures"},
    {-0.4f, "and SDL for the sound."},
    {-0.6f, "I hope you enjoyed Tumblewell and thanks for playing"},
    {-0.7f, "Get the latest version from the project's git repository."},
};

}  // namespace

void drawCredits() {
    glutSetWindow(game.viewWindow);
    prepareText(GLUT_BITMAP_8_BY_13);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // The text lies on the near plane at depth 0, under the tunnel's matrices:
    // (x, y) lands at the same place in the window's normalised coordinates.
    glDisable(GL_DEPTH_TEST);
    glColor3f(1, 0, 0);
    for (const Line &line : kTitle) drawText(kLeft, line.y, GLUT_BITMAP_8_BY_13, line.text);
    glColor3f(0, 1, 1);
    for (const Line &line : kBody) drawText(kLeft, line.y, GLUT_BITMAP_8_BY_13, line.text);
    flushText();
    glFlush();
    glutSwapBuffers();
    glEnable(GL_DEPTH_TEST);
}
