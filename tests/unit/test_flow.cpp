// The game's clockwork and actions on the fake clock: ticks, rows and their
// pushes, game over, levels, speed, pause, new game, exit and board clicks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "fakes/fake_frame.h"
#include "game/flow.h"

namespace {

using Calls = std::vector<std::string>;

struct Flow : testing::Test {
    void SetUp() override {
        resetWorld();
        enterScratchDir();  // the high-score screen reads and writes scores.dat
    }
    void TearDown() override { leaveScratchDir(); }
};

int blocksOn(int side) {
    int count = 0;
    for (auto &row : game.board[side])
        for (int cell : row) count += cell != Empty;
    return count;
}

TEST_F(Flow, TicksComeStrictlyAfterTheIntervalAndPassWhilePaused) {
    fake.now = 1000;
    EXPECT_EQ(tickElapsed(), 0);
    fake.now = 1001;
    EXPECT_EQ(tickElapsed(), 1);
    game.lastTick = 0xFFFFFF00u;  // across the clock's wrap it is only 512 ms
    fake.now = 0x100;
    EXPECT_EQ(tickElapsed(), 0);
    game.paused = 1;
    fake.now = 2000;
    onIdle();
    EXPECT_EQ(game.lastTick, 2000u);
    EXPECT_EQ(game.nextIndex, 0);
    EXPECT_TRUE(fake.calls.empty());  // nor is a paused game redrawn
}

TEST_F(Flow, FiveTicksMakeARowPushedAfter400msIntoEachWallInTurn) {
    for (int push = 0; push < 5; ++push) {
        for (int block = 0; block < kColumns; ++block, onIdle()) fake.now += 1001;
        ASSERT_EQ(game.rowReady, 1);
        EXPECT_EQ(game.rowReadyTime, fake.now);
        const std::vector<int> row(game.nextRow, game.nextRow + kColumns);
        EXPECT_GE(*std::min_element(row.begin(), row.end()), Red);
        fake.now += 400;
        onIdle();
        EXPECT_EQ(game.rowReady, 1);
        fake.now += 1;
        fake.clear();
        onIdle();
        EXPECT_EQ(fake.calls, (Calls{"drawPanel", "drawView", "drawPanel"}));
        for (int c = 0; c < kColumns; ++c) {
            EXPECT_EQ(game.board[push % 4][push / 4][c], row[c]);
            EXPECT_EQ(game.nextRow[c], Empty);
        }
        EXPECT_EQ(game.rowsLeft, 14 - push);
        EXPECT_EQ(game.pushSide, (push + 1) % 4);
    }
}

TEST_F(Flow, ARowOntoAFullWallEndsTheGame) {
    const struct {
        int level;
        Flag sound;
        Calls calls;
    } cases[] = {{3, 1, {"drawPanel", "playSound data/nosoup.wav", "requestViewRedraw"}},
                 {4, 1, {"drawPanel", "playSound data/excellent.wav", "requestViewRedraw"}},
                 {4, 0, {"drawPanel", "requestViewRedraw"}}};
    for (const auto &c : cases) {
        resetWorld();
        game.level = c.level;
        game.soundOn = c.sound;
        game.pushSide = Bottom;  // not the wall in view
        for (int row = 0; row < kRows; ++row) game.board[Bottom][row][2] = Green;
        game.board[Left][0][0] = game.nextRow[0] = Red;
        game.rowReady = 1;
        fake.now = 401;
        onIdle();
        // The panel waits for its next redraw; the view is asked to show the
        // final score in the table.
        EXPECT_EQ(fake.calls, c.calls);
        EXPECT_EQ(game.gameOver + game.nameState, 2);
        EXPECT_EQ(blocksOn(Left) + blocksOn(Bottom) + game.nextRow[0], 0);
        EXPECT_EQ(game.rowsLeft, 14);
        EXPECT_EQ(game.pushSide, Left);
        fake.now += 5000;
        onIdle();  // from now on the idle step builds nothing
        EXPECT_EQ(game.nextIndex, 0);
    }
}

TEST_F(Flow, CompletedLevelsPayTheirBonusAndGetLongerAndFaster) {
    const struct {
        int rows, interval, colours, filled;
        const char *clip;
    } next[] = {{23, 940, 3, 4, "woohoo"}, {27, 850, 4, 5, "woohoo"}, {31, 730, 4, 5, "ohyeah"},
                {35, 580, 4, 5, "donut"},  {39, 500, 4, 5, "cake"},   {43, 500, 4, 5, "cake"}};
    game.paused = 1;
    game.highScoreView = 1;
    for (const auto &n : next) {
        const int points = game.points + 100 * game.level;
        game.rowsLeft = fake.slept = 0;
        game.pushSide = game.viewSide = game.nextIndex = 3;
        fake.clear();
        onIdle();
        EXPECT_EQ(game.points, points);
        EXPECT_EQ(game.rowsLeft, n.rows);
        EXPECT_EQ(game.currentInterval, n.interval);
        EXPECT_EQ(game.baseInterval, 1000);
        EXPECT_EQ(game.pushSide + game.viewSide + game.nextIndex, 0);
        EXPECT_EQ(game.paused + game.highScoreView, 2);
        EXPECT_TRUE(fake.slept >= 3500 && fake.slept < 3600) << fake.slept;
        EXPECT_EQ(fake.calls, (Calls{"drawPanel", "requestViewRedraw",
                                     std::string("playSound data/") + n.clip + ".wav", "drawPanel",
                                     "requestViewRedraw"}));
        int highest = 0;
        for (int side = 0; side < kSides; ++side) {
            EXPECT_EQ(blocksOn(side), n.filled * kColumns);
            for (auto &row : game.board[side])
                highest = std::max(highest, *std::max_element(row, row + kColumns));
        }
        EXPECT_EQ(highest, n.colours);
    }
}

TEST_F(Flow, ASkippedLevelCompletesWhilePausedAndPushesTheRowItWasBuilding) {
    game.paused = 1;
    std::fill(game.nextRow, game.nextRow + kColumns, Blue);
    game.rowReady = 1;
    fake.now = game.rowReadyTime = 5000;
    skipLevel();
    onIdle();
    // The level change emptied the row, and its last redraw pushed it anyway.
    EXPECT_EQ(game.level, 2);
    EXPECT_EQ(game.paused, 1);
    EXPECT_EQ(game.rowsLeft, 22);
    EXPECT_EQ(game.pushSide, Top);
    EXPECT_EQ(blocksOn(Left), 20);
}

TEST_F(Flow, SpeedStepsBy50WithinItsBoundsAndSaysSo) {
    const struct {
        void (*action)();
        int current, base, wantCurrent, wantBase;
    } cases[] = {{speedUp, 900, 1000, 850, 950},
                 {speedUp, 520, 540, 500, 500},
                 {speedDown, 940, 1000, 990, 1050},
                 {speedDown, 31930, 31960, 31980, 32000},
                 {speedDown, 31950, 32000, 32000, 32000}};
    for (const auto &c : cases) {
        resetWorld();
        game.currentInterval = c.current;
        game.baseInterval = c.base;
        testing::internal::CaptureStdout();
        c.action();
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  "Base = " + std::to_string(c.wantBase) +
                      ", Current = " + std::to_string(c.wantCurrent) + "\n");
        EXPECT_EQ(fake.calls, (Calls{"drawPanel", "requestViewRedraw"}));
    }
}

TEST_F(Flow, LeavingTheHighScoresResumesEvenAPausedGame) {
    togglePause();
    toggleHighScoreView();
    EXPECT_EQ(fake.count("drawScoreScreen"), 1);  // the table is shown at once
    togglePause();                                // and keeps the game paused
    EXPECT_EQ(game.paused + game.highScoreView, 2);
    fake.clear();
    toggleHighScoreView();
    EXPECT_EQ(game.paused + game.highScoreView, 0);
    EXPECT_EQ(fake.calls, (Calls{"requestViewRedraw", "drawPanel"}));
}

TEST_F(Flow, NewGameStartsLevelOneAtTheChosenSpeedAfterASecond) {
    game.level = game.rowsLeft = game.points = game.pushSide = game.viewSide = game.nextIndex = 3;
    game.baseInterval = 700;
    game.currentInterval = 500;
    game.soundOn = 0;
    game.gameOver = game.paused = game.rowReady = game.highScoreView = game.nameState = 1;
    game.nextRow[1] = game.board[2][6][4] = Red;
    game.lastTick = 77;
    std::strcpy(game.playerName, "Ann");
    newGame();
    EXPECT_EQ(game.level * 10000 + game.rowsLeft * 100 + game.points, 11500);
    EXPECT_EQ(game.currentInterval, 700);
    EXPECT_EQ(game.gameOver + game.paused + game.rowReady + game.highScoreView, 0);
    EXPECT_EQ(game.nameState + game.pushSide + game.viewSide + game.nextIndex, 0);
    EXPECT_EQ(game.nextRow[1] + game.board[2][6][4], Empty);
    for (int side = 0; side < kSides; ++side) EXPECT_EQ(blocksOn(side), 20);
    EXPECT_EQ(game.soundOn, 0);
    EXPECT_EQ(game.lastTick, 77u);
    EXPECT_STREQ(game.playerName, "Ann");
    EXPECT_EQ(fake.calls, (Calls{"drawPanel", "drawView"}));
    EXPECT_TRUE(fake.slept >= 1000 && fake.slept < 1100) << fake.slept;
}

TEST_F(Flow, ExitShowsTheCreditsAndEndsTheProgramTenSecondsLater) {
    for (Millis start : {30000u, 30001u, 30002u}) {
        resetWorld();
        game.paused = game.highScoreView = 1;
        game.board[Top][0][0] = Red;
        fake.now = start;
        startExit();
        EXPECT_EQ(game.exitState + game.gameOver, 2);
        EXPECT_EQ(game.paused + game.highScoreView + game.board[Top][0][0], 0);
        EXPECT_EQ(game.creditsStart, static_cast<int>(start));
        const std::string clip = "playSound data/end" + std::to_string(start % 3 + 1) + ".wav";
        EXPECT_EQ(fake.calls, (Calls{"showCredits", clip, "drawPanel"}));
    }
    fake.now += 10000;
    onIdle();
    EXPECT_EQ(game.exitState, 1);
    fake.now += 1;
    onIdle();  // notices the time is up...
    EXPECT_EQ(game.exitState, 2);
    EXPECT_THROW(onIdle(), QuitCalled);  // ...and the next redraw ends the program
}

TEST_F(Flow, BoardClicksScore10ABlockAndCheerBigGroups) {
    const struct {
        int blocks;
        Flag sound;
        const char *clip;
    } cases[] = {{1, 1, nullptr},       {4, 1, nullptr},       {5, 1, "smallblocks"},
                 {8, 1, "smallblocks"}, {9, 1, "largeblocks"}, {9, 0, nullptr}};
    for (const auto &c : cases) {
        resetWorld();
        game.soundOn = c.sound;
        game.viewSide = Top;
        for (int i = 0; i < c.blocks; ++i) game.board[Top][i / kColumns][i % kColumns] = Red;
        game.board[Top][(c.blocks - 1) / kColumns + 1][0] = Green;
        clickBoard(0, 0);
        const int removed = c.blocks > 1 ? c.blocks : 0;  // a lone block stays
        EXPECT_EQ(game.points, 10 * removed);
        EXPECT_EQ(game.board[Top][0][0], removed ? Green : Red);  // the wall collapsed
        Calls expected{"drawPanel", "requestViewRedraw"};
        if (c.clip)
            expected.insert(expected.begin(), std::string("playSound data/") + c.clip + ".wav");
        EXPECT_EQ(fake.calls, expected) << c.blocks << " blocks";
    }
}

TEST_F(Flow, IdlePassesDrawOnlyNewPicturesAndAtMostOnceAFrame) {
    fake.now = 100000;
    game.lastTick = fake.now;  // no tick due for a second
    game.points = 12345;       // a picture the idle step has not drawn yet
    onIdle();
    EXPECT_EQ(fake.count("drawPanel"), 1);
    const Millis drawnAt = fake.now;
    onIdle();  // the same picture again: nothing drawn, a frame's nap instead
    EXPECT_EQ(fake.count("drawPanel"), 1);
    EXPECT_EQ(fake.now - drawnAt, 16u);
    game.points += 10;
    onIdle();  // a new picture a frame after the last: drawn at once
    EXPECT_EQ(fake.count("drawPanel"), 2);
    EXPECT_EQ(fake.now - drawnAt, 16u);
    game.points += 10;
    onIdle();  // another one, too soon: the rest of the frame is waited out first
    EXPECT_EQ(fake.count("drawPanel"), 3);
    EXPECT_EQ(fake.now - drawnAt, 32u);

    // A row due for its push gets its redraw even though the picture is the same.
    game.rowReady = 1;
    game.rowReadyTime = fake.now - 401;
    onIdle();
    EXPECT_EQ(game.rowsLeft, 14);

    // A push that ends the game changes the state after its picture was drawn:
    // the next pass draws the game-over panel.
    for (int row = 0; row < kRows; ++row) game.board[game.pushSide][row][0] = Red;
    game.rowReady = 1;
    game.rowReadyTime = fake.now - 401;
    onIdle();
    ASSERT_EQ(game.gameOver, 1);
    const int beforeOver = fake.count("drawPanel");
    onIdle();
    EXPECT_EQ(fake.count("drawPanel"), beforeOver + 1);

    game.gameOver = 0;
    game.paused = 1;
    const Millis before = fake.now;
    const int drawn = fake.count("drawPanel");
    onIdle();  // paused: draws nothing, and does not spin either
    EXPECT_EQ(fake.count("drawPanel"), drawn);
    EXPECT_EQ(fake.now - before, 16u);
}

}  // namespace
