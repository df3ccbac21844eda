// The control panel: buttons, the score lines, the flat grid of the wall in
// view and the preview of the row being built.
#include "render/panel.h"

#include <GL/glut.h>

#include <cstdio>

#include "app/layout.h"
#include "game/game_state.h"
#include "render/buttons.h"
#include "render/colour_aid.h"
#include "render/draw_helpers.h"

namespace {

// A button shows pressed while the mouse holds it down; a paused game,
// whatever paused it (the button, the high-score table, the window hidden),
// shows Pause pressed in until it runs again.
bool pressedLook(int id) {
    return game.pressed[id] == 1 || (id == PauseButton && isPaused(game.mode));
}

void drawButtons() {
    for (int id = 0; id < kButtons; ++id) drawButton(kButtonPlaces[id], pressedLook(id));
}

// The buttons' labels. Each lies on its own button's face and no button
// overlaps another, so they can follow all the buttons, with the panel's
// other text.
void drawButtonLabels() {
    for (int id = 0; id < kButtons; ++id) drawButtonLabel(kButtonPlaces[id], pressedLook(id));
}

// Fills viewlabel with the side's name, or with `other` for any other value or
// once the game is over.
void sideLabel(char (&viewlabel)[10], int side, const char *other) {
    const char *name = sideName(side);
    std::snprintf(viewlabel, sizeof viewlabel, "%s",
                  (isOver(game.mode) || name == nullptr) ? other : name);
}

// The block's square, 1 to 29 pixels inside its cell, so the white ground
// shows as a 2-pixel gap between neighbours. The cell's corner is added here
// rather than by moving the matrix, and the colour is set inside the batch:
// either change between batches would make the renderer flush the blocks
// queued so far, once a block. The corners are whole pixels either way.
void cellSquare(int x, int y, int colour, float alpha) {
    glBegin(GL_QUADS);
    setBlockColour(colour, alpha);
    glVertex3i(x + 1, y + 1, 0);
    glVertex3i(x + 1, y + 29, 0);
    glVertex3i(x + 29, y + 29, 0);
    glVertex3i(x + 29, y + 1, 0);
    glEnd();
}

// Every block of the wall in view, as an opaque outline under an 80 % fill.
// Blocks never overlap, so the grid is drawn a pass at a time, each pass with
// one polygon mode, and shows what block-by-block drawing would.
void drawFlatGrid() {
    for (int pass = 0; pass < 2; ++pass) {
        const bool outline = pass == 0;
        glPolygonMode(GL_FRONT_AND_BACK, outline ? GL_LINE : GL_FILL);
        // The opaque outlines need no blending; the fills blend over them.
        if (!outline) {
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        }
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kColumns; ++c) {
                const int k = game.board[game.viewSide][r][c];
                if (k != Empty)
                    cellSquare(kGridLeft + kGridCell * c, kGridCell * r, k, outline ? 1.0f : 0.8f);
            }
        }
    }
    glDisable(GL_BLEND);
}

// The row being built, as five tilted cubes carrying their colour's texture.
void drawRowPreview() {
    const unsigned int textures[5] = {0, game.redTexture, game.greenTexture, game.blueTexture,
                                      game.lightBlueTexture};
    // The three faces turned away from the player lie wholly behind the three
    // turned toward them, so they are skipped.
    glEnable(GL_CULL_FACE);
    for (int i = 0; i < kColumns; ++i) {
        const int k = game.nextRow[i];
        if (k == Empty) continue;
        glPushMatrix();
        glPolygonMode(GL_FRONT, GL_FILL);
        glTranslatef(kPreviewX + kPreviewStep * i, kPreviewY, 0);
        glRotatef(20, 1, 0, 0);
        glRotatef(20, 0, 1, 0);
        if (k >= 1 && k <= 4) glBindTexture(GL_TEXTURE_2D, textures[k]);
        drawTexturedCube(kPreviewCube);
        if (game.colourAid == 1) {
            glDisable(GL_TEXTURE_2D);  // the shapes in their own black and white
            drawPreviewShapes(k, kPreviewCube);
            glEnable(GL_TEXTURE_2D);
        }
        glPopMatrix();
    }
    glDisable(GL_CULL_FACE);
}

// Four strips, a ring `width` pixels wide from `inset` pixels inside the edges
// of the cell whose corner is (x, y), inside a GL_QUADS batch.
void cellRing(int x, int y, int inset, int width) {
    const int left = x + inset;
    const int bottom = y + inset;
    const int right = x + kGridCell - inset;
    const int top = y + kGridCell - inset;
    const int strips[4][4] = {{left, bottom, right, bottom + width},
                              {left, top - width, right, top},
                              {left, bottom + width, left + width, top - width},
                              {right - width, bottom + width, right, top - width}};
    for (const auto &strip : strips) {
        glVertex3i(strip[0], strip[1], 0);
        glVertex3i(strip[2], strip[1], 0);
        glVertex3i(strip[2], strip[3], 0);
        glVertex3i(strip[0], strip[3], 0);
    }
}

// The keyboard's cursor: its cell ringed in black over the white gap and the
// block's edge, with a white ring inside that, so that one of the two stands
// out on every block colour and on the empty ground.
void drawGridCursor() {
    const int x = kGridLeft + kGridCell * game.cursorColumn;
    const int y = kGridCell * game.cursorRow;
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glBegin(GL_QUADS);
    glColor3f(0, 0, 0);
    cellRing(x, y, 0, 3);
    glColor3f(1, 1, 1);
    cellRing(x, y, 3, 2);
    glEnd();
}

}  // namespace

void drawPanel() {
    glutSetWindow(game.mainWindow);
    prepareText(GLUT_BITMAP_8_BY_13);
    // The clear fills the whole window, so the margins around the scaled
    // picture take the panel's grey.
    const PictureLayout &layout = shownLayout;
    glViewport(layout.left, layout.windowHeight - layout.top - layout.height, layout.width,
               layout.height);
    glLineWidth(static_cast<float>(lineWidth(layout)));
    glClearColor(0.5f, 0.5f, 0.5f, 0.5f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glOrtho(0, kPictureWidth, 0, kPictureHeight, -50, 50);

    // Shapes first, then all the text in black: nothing drawn here overlaps
    // anything else, so the order changes no pixel, and the renderer switches
    // from shapes to text once.
    drawButtons();
    glBegin(GL_QUADS);
    glColor3f(1, 1, 1);  // the grid's white ground
    glVertex3i(kGridLeft, 0, 0);
    glVertex3i(kGridLeft, kGridTop, 0);
    glVertex3i(kGridRight, kGridTop, 0);
    glVertex3i(kGridRight, 0, 0);
    glEnd();

    glColor3f(0, 0, 0);
    drawButtonLabels();
    drawLabelValue(kLevelText.x, kLevelText.y, "Level ", game.level);
    drawLabelValue(kPointsText.x, kPointsText.y, "Points ", game.points);
    drawLabelValue(kRowsLeftText.x, kRowsLeftText.y, "Rows Left ", game.rowsLeft);
    char viewlabel[10];  // "Game Over" and its terminator fill it exactly
    sideLabel(viewlabel, game.viewSide, "Game Over");
    drawText(kViewSideText.x, kViewSideText.y, GLUT_BITMAP_8_BY_13, viewlabel);
    sideLabel(viewlabel, game.pushSide, "");
    drawText(kPushSideText.x, kPushSideText.y, GLUT_BITMAP_8_BY_13, viewlabel);
    flushText();

    const bool over = isOver(game.mode);
    if (!over) drawFlatGrid();
    if (!over && game.colourAid == 1) drawColourAidGrid();
    if (!over && game.cursorShown == 1) drawGridCursor();

    // The preview is opaque (white under opaque textures), so blending would
    // give back its own colours: it is drawn without.
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    drawRowPreview();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);

    glFlush();
    glutSwapBuffers();
}
