#include "render/score_screen.h"

#include <GL/glut.h>

#include "render/draw_helpers.h"

namespace {

void *const kFont = GLUT_BITMAP_8_BY_13;

}  // namespace

// The text sits at depth 0 of the tunnel view's frame, where x and y run from
// -1 to 1 across the window; the screen loads no matrix of its own.
void drawScoreScreen(const ScoreScreen &screen, bool prompt) {
    glutSetWindow(game.viewWindow);
    prepareText(kFont);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);

    glColor3f(0.0f, 1.0f, 1.0f);
    drawText(-0.31f, 0.8f, kFont, "High Scores");
    drawText(-0.31f, 0.75f, kFont, "===========");

    if (prompt) {
        glColor3f(1.0f, 0.0f, 0.0f);
        drawText(-0.4f, -0.75f, kFont, "Mighty Impressive!");
        drawText(-0.8f, -0.8f, kFont, "Type in your name and press 'Enter' to store your score.");
    } else if (!screen.note.empty()) {
        // In the prompt's place, in a colour of its own so that it is not read
        // as the prompt still standing.
        glColor3f(1.0f, 1.0f, 0.0f);
        drawText(-0.8f, -0.8f, kFont, screen.note.c_str());
    }

    char nbuf[kScoreLineSize];
    for (int i = 0; i < kScorePlaces; ++i) {
        formatScoreLine(nbuf, i + 1, screen.table[i]);
        if (i == screen.highlight)
            glColor3f(1.0f, 0.0f, 0.0f);
        else
            glColor3f(0.0f, 1.0f, 1.0f);
        drawText(-0.53f, static_cast<float>(0.6 - 0.1 * i), kFont, nbuf);
    }
    flushText();

    glFlush();
    glutSwapBuffers();
}
