// The control panel: buttons, the score lines, the flat grid of the wall in
// view and the preview of the row being built.
#include "render/panel.h"

#include <cstdio>

#include "game/game_state.h"
#include "render/buttons.h"
#include "render/colour_aid.h"
#include "render/draw_helpers.h"

namespace {

constexpr Rgba kGround = {0.5f, 0.5f, 0.5f, 0.5f};  // the panel's grey, margins included

Point3 at(int x, int y) { return {static_cast<float>(x), static_cast<float>(y), 0}; }

// A button shows pressed while the mouse holds it down; a paused game,
// whatever paused it (the button, the high-score table, the window hidden),
// shows Pause pressed in until it runs again.
bool pressedLook(int id) {
    return game.pressed[id] == 1 || (id == PauseButton && isPaused(game.mode));
}

// Fills viewlabel with the side's name, or with `other` for any other value or
// once the game is over.
void sideLabel(char (&viewlabel)[10], int side, const char *other) {
    const char *name = sideName(side);
    std::snprintf(viewlabel, sizeof viewlabel, "%s",
                  (isOver(game.mode) || name == nullptr) ? other : name);
}

// The block's square, 1 to 29 pixels inside its cell, so the white ground
// shows as a 2-pixel gap between neighbours.
void cellSquare(Point3 *corners, int x, int y) {
    corners[0] = at(x + 1, y + 1);
    corners[1] = at(x + 1, y + 29);
    corners[2] = at(x + 29, y + 29);
    corners[3] = at(x + 29, y + 1);
}

// Every block of the wall in view, as an opaque outline under an 80 % fill.
// Blocks never overlap, so the grid is drawn a pass at a time and shows what
// block-by-block drawing would.
void drawFlatGrid(Canvas &canvas) {
    Point3 corners[kRows * kColumns * 4];
    Rgba outlines[kRows * kColumns], fills[kRows * kColumns];
    int count = 0;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const int k = game.board[game.viewSide][r][c];
            if (k == Empty) continue;
            cellSquare(corners + 4 * count, kGridLeft + kGridCell * c, kGridCell * r);
            outlines[count] = blockColour(k, 1.0f);
            fills[count] = blockColour(k, 0.8f);
            ++count;
        }
    }
    // The opaque outlines need no blending; the fills blend over them.
    canvas.outlineQuads(corners, outlines, count);
    canvas.setBlending(true);
    canvas.fillQuads(corners, fills, count);
    canvas.setBlending(false);
}

// The row being built, as five tilted cubes showing their colour's picture.
void drawRowPreview(Canvas &canvas) {
    for (int i = 0; i < kColumns; ++i) {
        const int k = game.nextRow[i];
        if (k == Empty) continue;
        canvas.push();
        canvas.translate(static_cast<float>(kPreviewX + kPreviewStep * i), kPreviewY, 0);
        canvas.rotate(20, 1, 0, 0);
        canvas.rotate(20, 0, 1, 0);
        drawPreviewCube(canvas, k, kPreviewCube);
        if (game.colourAid == 1) drawPreviewShapes(canvas, k, kPreviewCube);
        canvas.pop();
    }
}

// Four strips, a ring `width` pixels wide from `inset` pixels inside the edges
// of the cell whose corner is (x, y).
void cellRing(Point3 *corners, int x, int y, int inset, int width) {
    const int left = x + inset;
    const int bottom = y + inset;
    const int right = x + kGridCell - inset;
    const int top = y + kGridCell - inset;
    const int strips[4][4] = {{left, bottom, right, bottom + width},
                              {left, top - width, right, top},
                              {left, bottom + width, left + width, top - width},
                              {right - width, bottom + width, right, top - width}};
    for (const auto &strip : strips) {
        *corners++ = at(strip[0], strip[1]);
        *corners++ = at(strip[2], strip[1]);
        *corners++ = at(strip[2], strip[3]);
        *corners++ = at(strip[0], strip[3]);
    }
}

// The keyboard's cursor: its cell ringed in black over the white gap and the
// block's edge, with a white ring inside that, so that one of the two stands
// out on every block colour and on the empty ground.
void drawGridCursor(Canvas &canvas) {
    const int x = kGridLeft + kGridCell * game.cursorColumn;
    const int y = kGridCell * game.cursorRow;
    Point3 corners[2 * 4 * 4];
    cellRing(corners, x, y, 0, 3);
    cellRing(corners + 16, x, y, 3, 2);
    const Rgba colours[8] = {kBlack, kBlack, kBlack, kBlack, kWhite, kWhite, kWhite, kWhite};
    canvas.fillQuads(corners, colours, 8);
}

}  // namespace

void drawPanel(Canvas &canvas, const WindowLayout &layout) {
    canvas.begin(Area::Panel, layout, kGround);

    // Shapes first, then all the text in black: nothing drawn here overlaps
    // anything else, so the order changes no pixel.
    for (int id = 0; id < kButtons; ++id) drawButton(canvas, kButtonPlaces[id], pressedLook(id));
    const Point3 ground[] = {at(kGridLeft, 0), at(kGridLeft, kGridTop), at(kGridRight, kGridTop),
                             at(kGridRight, 0)};
    canvas.fillQuads(ground, &kWhite, 1);  // the grid's white ground

    // The buttons' labels: each lies on its own button's face and no button
    // overlaps another, so they can follow all the buttons.
    for (int id = 0; id < kButtons; ++id) {
        // Sound off says so on its button, so that a player who switched it off
        // in an earlier run sees why the game is silent.
        const char *label =
            id == SoundButton && game.soundOn != 1 ? "Sound off" : kButtonPlaces[id].label;
        drawButtonLabel(canvas, kButtonPlaces[id], label, pressedLook(id));
    }
    drawLabelValue(canvas, kLevelText.x, kLevelText.y, "Level ", game.level);
    drawLabelValue(canvas, kPointsText.x, kPointsText.y, "Points ", game.points);
    drawLabelValue(canvas, kRowsLeftText.x, kRowsLeftText.y, "Rows Left ", game.rowsLeft);
    char viewlabel[10];  // "Game Over" and its terminator fill it exactly
    sideLabel(viewlabel, game.viewSide, "Game Over");
    canvas.text(kViewSideText.x, kViewSideText.y, kBlack, viewlabel);
    sideLabel(viewlabel, game.pushSide, "");
    canvas.text(kPushSideText.x, kPushSideText.y, kBlack, viewlabel);

    const bool over = isOver(game.mode);
    if (!over) drawFlatGrid(canvas);
    if (!over && game.colourAid == 1) drawColourAidGrid(canvas);
    if (!over && game.cursorShown == 1) drawGridCursor(canvas);

    // The preview's cubes hide their own back faces and touch each other.
    canvas.setDepthTest(true);
    drawRowPreview(canvas);
    canvas.setDepthTest(false);
    canvas.end();
}
