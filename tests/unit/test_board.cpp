// The board rules: filling, settling, group removal and row pushes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>

#include "fakes/fake_frame.h"
#include "game/board.h"

namespace {

// Lays out a wall from strings, row 6 (the mouth) first as a player would see
// it in the flat grid: '.' empty, 'R' red, 'G' green, 'B' blue, 'L' light blue.
void setWall(int side, std::initializer_list<const char *> rowsTopDown) {
    int row = kRows - 1;
    for (const char *text : rowsTopDown) {
        for (int c = 0; c < kColumns; ++c) {
            const char ch = text[c];
            game.board[side][row][c] = ch == 'R'   ? Red
                                       : ch == 'G' ? Green
                                       : ch == 'B' ? Blue
                                       : ch == 'L' ? LightBlue
                                                   : Empty;
        }
        --row;
    }
}

int blocksOn(int side) {
    int n = 0;
    for (auto &row : game.board[side])
        for (int cell : row) n += cell != Empty;
    return n;
}

class BoardRules : public ::testing::Test {
  protected:
    void SetUp() override { resetWorld(); }
};

TEST_F(BoardRules, FillDealsTheLibrarySequenceIntoTheFarRows) {
    std::srand(1);
    clearBoard();
    fillBoard(0, 4);
    std::srand(1);
    for (int side = 0; side < kSides; ++side)
        for (int row = 0; row < kRows; ++row)
            for (int c = 0; c < kColumns; ++c) {
                const int expected = row < 4 ? std::rand() % 3 + 1 : Empty;
                ASSERT_EQ(game.board[side][row][c], expected) << side << "," << row << "," << c;
            }

    // From level 3 on: five rows and a fourth colour, which shows up somewhere in
    // a hundred draws.
    clearBoard();
    fillBoard(1, 5);
    bool sawLightBlue = false;
    for (int side = 0; side < kSides; ++side)
        for (int row = 0; row < kRows; ++row)
            for (int c = 0; c < kColumns; ++c) {
                const int cell = game.board[side][row][c];
                if (row < 5) {
                    ASSERT_GE(cell, Red);
                    ASSERT_LE(cell, LightBlue);
                } else {
                    ASSERT_EQ(cell, Empty);
                }
                sawLightBlue |= cell == LightBlue;
            }
    EXPECT_TRUE(sawLightBlue);
}

TEST_F(BoardRules, ClearEmptiesBoardAndNextRowOnly) {
    fillBoard(1, 5);
    for (int &cell : game.nextRow) cell = Green;
    game.nextIndex = 3;
    game.removedCount = 7;
    clearBoard();
    EXPECT_EQ(blocksOn(Left) + blocksOn(Top) + blocksOn(Right) + blocksOn(Bottom), 0);
    for (int cell : game.nextRow) EXPECT_EQ(cell, Empty);
    EXPECT_EQ(game.nextIndex, 3);
    EXPECT_EQ(game.removedCount, 7);
}

TEST_F(BoardRules, CollapseLetsColumnsSettleInOrder) {
    setWall(Right, {"....G", ".....", "B...G", ".....", "G.R..", "..R..", "R.RRG"});
    collapseSide(Right);
    auto &w = game.board[Right];
    // Column 0: red, green, blue from the far end, gaps closed.
    EXPECT_EQ(w[0][0], Red);
    EXPECT_EQ(w[1][0], Green);
    EXPECT_EQ(w[2][0], Blue);
    EXPECT_EQ(w[3][0], Empty);
    // A full run stays put; an empty column stays empty; a top block falls all the way.
    EXPECT_EQ(w[2][2], Red);
    EXPECT_EQ(w[3][2], Empty);
    EXPECT_EQ(w[0][1], Empty);
    EXPECT_EQ(w[0][4], Green);
    EXPECT_EQ(w[1][4], Green);
    EXPECT_EQ(w[2][4], Green);
    EXPECT_EQ(w[3][4], Empty);
    EXPECT_EQ(blocksOn(Left), 0);
}

TEST_F(BoardRules, RemoveGroupTakesWholeShapesCountingEachBlockOnce) {
    // An L of five reds, a ring of eight greens around a blue, and a second red
    // group that does not touch the first.
    setWall(Top, {"R....", "R.GGG", "R.GBG", "RRGGG", ".....", "...RR", "....."});
    removeGroup(Top, 6, 0, Red);
    EXPECT_EQ(game.removedCount, 5);
    EXPECT_EQ(game.board[Top][1][3], Red);
    EXPECT_EQ(game.board[Top][1][4], Red);

    game.removedCount = 0;
    removeGroup(Top, 3, 2, Green);
    EXPECT_EQ(game.removedCount, 8);
    EXPECT_EQ(game.board[Top][4][3], Blue);
    EXPECT_EQ(blocksOn(Top), 3);
}

TEST_F(BoardRules, LoneBlocksAndCornersDoNotMakeGroups) {
    setWall(Left, {".....", ".....", ".....", ".....", ".....", ".....", "RGR.."});
    removeGroup(Left, 0, 1, Green);
    EXPECT_EQ(game.removedCount, 0);
    EXPECT_EQ(blocksOn(Left), 3);

    // Same colour on both sides of a corner of the tunnel: still alone.
    setWall(Bottom, {".....", ".....", ".....", ".....", ".....", ".....", "....R"});
    setWall(Right, {".....", ".....", ".....", ".....", ".....", ".....", "R...."});
    removeGroup(Bottom, 0, 4, Red);
    EXPECT_EQ(game.removedCount, 0);
    EXPECT_EQ(game.board[Right][0][0], Red);

    // Two in a column, the partner toward the mouth.
    setWall(Left, {".....", ".....", ".....", ".....", ".....", "R....", "R...."});
    removeGroup(Left, 0, 0, Red);
    EXPECT_EQ(game.removedCount, 2);
    EXPECT_EQ(blocksOn(Left), 0);
}

TEST_F(BoardRules, PushDropsTheRowOntoItsColumnsUnlessTheWallIsFull) {
    setWall(Top, {".....", ".....", ".....", ".....", ".....", "B....", "GG..."});
    game.pushSide = Top;
    const int row[kColumns] = {Red, Empty, Green, Blue, LightBlue};
    std::copy(row, row + kColumns, game.nextRow);
    EXPECT_EQ(pushNextRow(), 0);
    auto &w = game.board[Top];
    EXPECT_EQ(w[2][0], Red);
    EXPECT_EQ(w[0][1], Green);  // an empty cell adds nothing to its column
    EXPECT_EQ(w[1][1], Empty);
    EXPECT_EQ(w[0][2], Green);
    EXPECT_EQ(w[0][4], LightBlue);
    EXPECT_EQ(game.nextRow[0], Red);  // the row itself is left for the flow to clear
    EXPECT_EQ(game.pushSide, Top);

    // One full column blocks the whole wall, and nothing changes.
    setWall(Bottom, {"...R.", "...R.", "...R.", "...R.", "...R.", "...R.", "...R."});
    game.pushSide = Bottom;
    EXPECT_EQ(pushNextRow(), 1);
    EXPECT_EQ(blocksOn(Bottom), 7);

    // An all-empty row pushes fine and adds nothing.
    clearBoard();
    game.pushSide = Left;
    EXPECT_EQ(pushNextRow(), 0);
    EXPECT_EQ(blocksOn(Left), 0);
}

}  // namespace
