// The game's own drawing routines in its own windows, set to one known scene
// at a time, so that screenshots of them can be compared pixel for pixel with
// the committed references. Reads a scene name a line from standard input,
// draws it into both windows and answers "drawn" once the frames are shown.
#include <GL/freeglut.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "game/game_state.h"
#include "platform/desktop/startup.h"
#include "platform/desktop/window_layer.h"
#include "render/panel.h"
#include "render/view.h"

namespace {

// Each scene builds on the one before; the order is the one tests use. The
// journey's screenshots show the rest: the start, Pause held down, the scores,
// the name prompt and the credits.
bool setScene(const std::string &name) {
    if (name == "full") {  // every cell of every wall, all four colours; a full row
        const int next[kColumns] = {LightBlue, Blue, Green, Red, LightBlue};
        std::memcpy(game.nextRow, next, sizeof next);
        int colour = 0;
        for (auto &side : game.board)
            for (auto &row : side)
                for (int &cell : row) cell = colour++ % 4 + 1;
        game.viewSide = Bottom;
        game.pushSide = Right;
        game.level = 3;
        game.points = 1230;
        game.rowsLeft = 7;
    } else if (name == "aid") {        // the colour aid's shapes on the full far row and
        game.colourAid = 1;            // a checkerboard up to the mouth: cubes at every
        for (auto &side : game.board)  // depth with every kind of face in sight
            for (int row = 1; row < kRows; ++row)
                for (int col = 0; col < kColumns; ++col)
                    if ((row + col) % 2) side[row][col] = Empty;
    } else if (name == "plain") {  // the same without the aid, to find its shapes
        game.colourAid = 0;
    } else if (name == "paused") {  // the same walls, the game paused
        game.mode = Mode::Paused;
    } else if (name == "help") {  // the help over it (F1)
        game.mode = Mode::Help;
        game.helpFrom = Mode::Paused;
    } else if (name == "over") {  // the game lost on those walls, and no place in the table
        game.mode = Mode::GameOver;
        std::memcpy(game.lastBoard, game.board, sizeof game.board);
    } else if (name == "sound-off") {  // a game in play with the sound switched off
        game.mode = Mode::Playing;
        game.soundOn = 0;
    } else if (name == "cursor") {  // the keyboard's cursor on a block of the flat grid
        game.soundOn = 1;
        game.cursorShown = 1;
        game.cursorRow = 2;
        game.cursorColumn = 2;
    } else {
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char **argv) {
    createWindows(&argc, argv);
    game.pressed[PauseButton] = 1;  // the first scenes' Pause button as pressed in
    for (int i = 0; i < 20; ++i) glutMainLoopEvent();  // let the windows map
    std::string name;
    while (std::getline(std::cin, name)) {
        if (!setScene(name)) quitGame(1);
        drawPanel(desktop.canvas, desktop.layout);
        drawView(desktop.canvas, desktop.layout);
        glFinish();
        glutMainLoopEvent();
        std::printf("drawn\n");
        std::fflush(stdout);
    }
    quitGame();  // as the game ends, with the leak check while the driver is loaded
}
