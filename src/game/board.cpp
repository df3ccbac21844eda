#include "game/board.h"

#include "game/game_state.h"
#include "game/random.h"

void clearBoard() {
    for (auto &side : game.board)
        for (auto &row : side)
            for (int &cell : row) cell = Empty;
    for (int &cell : game.nextRow) cell = Empty;
}

void fillBoard(int fourColours, int rows) {
    // The random numbers are never seeded, so every run deals the same walls.
    for (int side = 0; side < kSides; ++side)
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < kColumns; ++column)
                game.board[side][row][column] =
                    fourColours != 0 ? nextRandom() % 4 + 1 : nextRandom() % 3 + 1;
}

void collapseSide(int side) {
    auto &wall = game.board[side];
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows - 1; ++row) {
            if (wall[row][column] != Empty) continue;
            // Pull down the nearest block above the gap, if there is one.
            for (int above = row + 1; above < kRows; ++above) {
                if (wall[above][column] != Empty) {
                    wall[row][column] = wall[above][column];
                    wall[above][column] = Empty;
                    break;
                }
            }
        }
    }
}

void removeGroup(int side, int row, int column, int colour) {
    auto &wall = game.board[side];
    // Neighbours in a fixed order: toward the mouth, left, toward the far end,
    // right. Each cell is emptied as it is counted, so no block counts twice, and
    // the start block goes only once a neighbour of its colour has been found.
    const int steps[4][2] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}};
    for (const auto &step : steps) {
        const int r = row + step[0];
        const int c = column + step[1];
        if (r < 0 || r >= kRows || c < 0 || c >= kColumns) continue;
        if (wall[r][c] != colour) continue;
        wall[r][c] = Empty;
        ++game.removedCount;
        removeGroup(side, r, c, colour);
        if (wall[row][column] != Empty) {
            wall[row][column] = Empty;
            ++game.removedCount;
        }
    }
}

int pushNextRow() {
    auto &wall = game.board[game.pushSide];
    for (int column = 0; column < kColumns; ++column)
        if (wall[kRows - 1][column] != Empty) return 1;
    for (int column = 0; column < kColumns; ++column)
        wall[kRows - 1][column] = game.nextRow[column];
    collapseSide(game.pushSide);
    return 0;
}
