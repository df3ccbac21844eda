#include "game/game_state.h"

GameState game;

const char *sideName(int side) {
    static const char *const names[kSides] = {"Left", "Top", "Right", "Bottom"};
    return (side >= 0 && side < kSides) ? names[side] : nullptr;
}

const Walls &shownWalls() { return isOver(game.mode) ? game.lastBoard : game.board; }
