// The board rules: filling, settling, group removal and row pushes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "game/board.h"
#include "game/game_state.h"

namespace {

// A wall as the flat grid shows it, row 6 (the mouth) first, rows apart by a
// blank: '.' empty, 'R' red, 'G' green, 'B' blue, 'L' light blue.
const std::string kCells = ".RGBL";
const char *const kEmpty = "..... ..... ..... ..... ..... ..... .....";
const char *const kAllRed = "RRRRR RRRRR RRRRR RRRRR RRRRR RRRRR RRRRR";

void setWall(int side, const std::string &text) {
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            game.board[side][kRows - 1 - r][c] = static_cast<int>(kCells.find(text[r * 6 + c]));
}

std::string wall(int side) {
    std::string text = kEmpty;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            text[r * 6 + c] = kCells[game.board[side][kRows - 1 - r][c]];
    return text;
}

TEST(BoardRules, FillDealsOneDrawACellIntoTheFarRowsOnly) {
    for (int fourColours : {1, 0}) {  // the second deal shows the first was cleared
        const int rows = fourColours ? 5 : 4;
        std::srand(7);
        clearBoard();
        fillBoard(fourColours, rows);
        std::srand(7);
        for (int side = 0; side < kSides; ++side)
            for (int row = 0; row < kRows; ++row)
                for (int c = 0; c < kColumns; ++c)
                    ASSERT_EQ(game.board[side][row][c],
                              row < rows ? std::rand() % (3 + fourColours) + 1 : Empty);
    }
}

TEST(BoardRules, RemoveGroupEmptiesWholeShapesOnceAndNeverCrossesAWall) {
    const struct {
        int row, column, removed;
        const char *before, *after;  // no `after`: nothing removed
    } cases[] = {
        // An L of five reds, apart from another red pair; a ring of eight
        // greens around a blue.
        {6, 0, 5, "R.... R.GGG R.GBG RRGGG ..... ...RR .....",
         "..... ..GGG ..GBG ..GGG ..... ...RR ....."},
        {3, 2, 8, "..... ..GGG ..GBG ..GGG ..... ..... .....",
         "..... ..... ...B. ..... ..... ..... ....."},
        // A lone block, touching another only at a corner; a pair.
        {0, 0, 0, "..... ..... ..... ..... ..... .R... R.R..", nullptr},
        {0, 0, 2, "..... ..... ..... ..... ..... R.... R....", kEmpty},
        // Lone blocks at the corners of the wall, whose neighbours in memory
        // belong to the all-red walls on either side.
        {6, 4, 0, "....R ..... ..... ..... ..... ..... R....", nullptr},
        {0, 0, 0, "....R ..... ..... ..... ..... ..... R....", nullptr},
    };
    for (const auto &c : cases) {
        setWall(Left, kAllRed);
        setWall(Top, c.before);
        setWall(Right, kAllRed);
        game.removedCount = 0;
        removeGroup(Top, c.row, c.column, game.board[Top][c.row][c.column]);
        EXPECT_EQ(game.removedCount, c.removed) << c.before;
        EXPECT_EQ(wall(Top), c.after ? c.after : c.before);
        EXPECT_EQ(wall(Left) + wall(Right), std::string(kAllRed) + kAllRed);
    }
}

TEST(BoardRules, APushSettlesTheRowOntoItsColumnsUnlessOneColumnIsFull) {
    const struct {
        const char *row;
        int blocked;
        const char *before, *after;
    } cases[] = {
        // Every column settles toward the far end, keeping its order.
        {"R.GBL", 0, "..... ....G B...G ..... G.R.. ..R.. R.RRG",
         "..... ..... ..... R.G.L B.R.G G.RBG R.RRG"},
        {"RRRRR", 1, "...R. ...R. ...R. ...R. ...R. ...R. ...R.",
         "...R. ...R. ...R. ...R. ...R. ...R. ...R."},
        {".....", 0, kEmpty, kEmpty},
    };
    for (const auto &c : cases) {
        setWall(Bottom, c.before);
        game.pushSide = Bottom;
        for (int col = 0; col < kColumns; ++col)
            game.nextRow[col] = static_cast<int>(kCells.find(c.row[col]));
        EXPECT_EQ(pushNextRow(), c.blocked) << c.row;
        EXPECT_EQ(wall(Bottom), c.after) << c.row;
    }
}

}  // namespace
