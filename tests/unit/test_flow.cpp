// The game's clockwork and actions on the fake clock: ticks, rows and their
// pushes, game over, levels, speed, pause, new game, exit, board clicks and the
// idle step's pacing.
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "fakes/fake_frame.h"
#include "game/flow.h"
#include "game/pacing.h"
#include "render/panel.h"

namespace {

using Flow = World;  // the high-score screen reads and writes scores.dat

int blocksOn(int side) {
    const int *cells = &game.board[side][0][0];
    return kRows * kColumns - static_cast<int>(std::count(cells, cells + kRows * kColumns, Empty));
}

std::string clip(const std::string &name) { return "playSound data/" + name + ".wav"; }

using Ints = std::vector<int>;  // several fields compared at once, each on its own

// Each wall in turn gets a row of one block a tick, pushed 400 ms after its
// last block; from level 3 the blocks come in four colours.
TEST_F(Flow, TicksBuildRowsThatArePushedIntoEachWallInTurn) {
    for (int push = 0; push < 5; ++push) {
        game.level = push + 1;
        std::srand(push);
        for (int block = 0; block < kColumns; ++block) {
            fake.now = game.lastTick + 1000;
            onIdle();  // not yet: a tick takes strictly longer than the interval
            ASSERT_EQ(game.nextIndex, block);
            fake.now = game.lastTick + 1001;
            onIdle();
        }
        fake.now = game.rowReadyTime + 400;
        drawPanel();  // any redraw may push, not only the idle step's
        ASSERT_EQ(game.rowReady, 1);
        fake.now += 1;
        onIdle();
        std::srand(push);
        for (int cell : game.board[push % 4][push / 4])
            EXPECT_EQ(cell, std::rand() % (push < 2 ? 3 : 4) + 1);
        EXPECT_EQ(Ints({game.rowsLeft, game.pushSide}), Ints({14 - push, (push + 1) % 4}));
    }
}

TEST_F(Flow, ARowOntoAFullWallEndsTheGame) {
    // The panel waits for its next redraw; the view turns to the table only
    // for a score that earns a place there, else it keeps the last blocks.
    const struct {
        int level, points;
        Flag sound;
        Calls calls;
    } cases[] = {{3, 0, 1, {"drawPanel", clip("nosoup")}},
                 {4, 2001, 1, {"drawPanel", clip("excellent"), "requestViewRedraw"}},
                 {4, 2000, 0, {"drawPanel"}}};
    for (const auto &c : cases) {
        resetWorld();
        game.level = c.level;
        game.points = c.points;
        game.soundOn = c.sound;
        game.pushSide = Bottom;  // not the wall in view
        for (int row = 0; row < kRows; ++row) game.board[Bottom][row][2] = Green;
        game.board[Left][0][0] = game.nextRow[0] = Red;
        game.rowReady = 1;
        game.rowReadyTime = fake.now = 1000 * static_cast<Millis>(&c - cases);
        fake.now += 401;
        onIdle();
        EXPECT_EQ(fake.calls, c.calls);
        EXPECT_EQ(Ints({game.gameOver, game.nameState}), Ints({1, c.points > 2000 ? 1 : 0}));
        EXPECT_EQ(Ints({blocksOn(Left), blocksOn(Bottom), game.nextRow[0]}), Ints({0, 0, 0}));
        // The tunnel goes on showing the blocks that ended the game, until a new one.
        EXPECT_EQ(Ints({shownWalls()[Bottom][6][2], shownWalls()[Left][0][0]}), Ints({Green, Red}));
    }
    newGame();
    EXPECT_EQ(&shownWalls(), &game.board);
}

TEST_F(Flow, SkippedLevelsPayTheirBonusAndGetLongerAndFasterWhilePaused) {
    const struct {
        int points, rows, interval, colours, filled;
        const char *clip;
    } next[] = {{100, 23, 940, 3, 4, "woohoo"}, {300, 27, 850, 4, 5, "woohoo"},
                {600, 31, 730, 4, 5, "ohyeah"}, {1000, 35, 580, 4, 5, "donut"},
                {1500, 39, 500, 4, 5, "cake"},  {2100, 43, 500, 4, 5, "cake"}};
    game.paused = game.highScoreView = 1;
    for (const auto &n : next) {
        game.pushSide = game.viewSide = game.nextIndex = 3;
        // A row finished just now: the level change empties it, and the last
        // redraw of the level change pushes it anyway, onto the first wall.
        game.rowReady = 1;
        game.rowReadyTime = fake.now;
        fake.slept = 0;
        fake.calls.clear();
        skipLevel();
        onIdle();
        EXPECT_EQ(Ints({game.points, game.rowsLeft + 1, game.currentInterval}),
                  Ints({n.points, n.rows, n.interval}));
        EXPECT_EQ(Ints({game.pushSide, game.viewSide, game.nextIndex}), Ints({Top, Left, 0}));
        EXPECT_EQ(Ints({game.paused, game.highScoreView}), Ints({1, 1}));
        EXPECT_TRUE(fake.slept >= 3500 && fake.slept < 3600) << fake.slept;
        EXPECT_EQ(fake.calls[2], clip(n.clip));
        for (int side = 0; side < kSides; ++side) EXPECT_EQ(blocksOn(side), n.filled * kColumns);
        EXPECT_EQ(*std::max_element(game.board[0][0], game.board[0][kRows]), n.colours);
    }
}

TEST_F(Flow, SpeedStepsBy50WithinItsBoundsAndSaysSo) {
    testing::internal::CaptureStdout();
    game.currentInterval = 520;
    game.baseInterval = 540;
    speedUp();
    game.currentInterval = 31930;
    game.baseInterval = 31960;
    speedDown();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Base = 500, Current = 500\nBase = 32000, Current = 31980\n");
}

TEST_F(Flow, NewGameStartsLevelOneAtTheChosenSpeedAfterASecond) {
    game.level = game.rowsLeft = game.points = game.pushSide = game.viewSide = game.nextIndex = 3;
    game.baseInterval = 700;
    game.soundOn = 0;
    game.gameOver = game.paused = game.rowReady = game.highScoreView = game.nameState = 1;
    game.nextRow[1] = game.board[2][6][4] = Red;
    newGame();
    EXPECT_EQ(Ints({game.level, game.rowsLeft, game.points, game.currentInterval}),
              Ints({1, 15, 0, 700}));
    EXPECT_EQ(Ints({game.gameOver, game.paused, game.rowReady, game.highScoreView, game.nameState}),
              Ints({0, 0, 0, 0, 0}));
    EXPECT_EQ(Ints({game.pushSide, game.viewSide, game.nextIndex}), Ints({Left, Left, 0}));
    EXPECT_EQ(Ints({game.nextRow[1], game.board[2][6][4], game.soundOn}), Ints({Empty, Empty, 0}));
    for (int side = 0; side < kSides; ++side) EXPECT_EQ(blocksOn(side), 20);
    EXPECT_TRUE(fake.slept >= 1000 && fake.slept < 1100) << fake.slept;
}

TEST_F(Flow, ExitShowsTheCreditsAndEndsTheProgramTenSecondsLater) {
    for (Millis start : {30001u, 30002u, 30000u}) {  // the farewell goes by the clock
        resetWorld();
        fake.now = start;
        game.paused = game.highScoreView = game.board[Top][0][0] = 1;
        game.gameOver = 1;  // a game that overflowed on its level's last row
        game.rowsLeft = 0;
        startExit();
        const std::string end = clip("end" + std::to_string(start % 3 + 1));
        EXPECT_EQ(fake.calls, (Calls{"showCredits", end, "drawPanel"}));
    }
    EXPECT_EQ(Ints({game.exitState, game.gameOver}), Ints({1, 1}));
    EXPECT_EQ(Ints({game.paused, game.highScoreView, game.board[Top][0][0]}), Ints({0, 0, Empty}));
    // The credits take the tick that is due and nothing else: no level is
    // completed, and the step sleeps until its next work instead of spinning.
    onIdle();
    EXPECT_EQ(Ints({game.level, game.points}), Ints({1, 0}));
    EXPECT_GT(nextStepDelay(), 0);
    fake.now += 10000;
    onIdle();
    EXPECT_EQ(game.exitState, 1);
    fake.now += 16;
    onIdle();  // notices the time is up...
    EXPECT_EQ(game.exitState, 2);
    fake.now += 16;
    EXPECT_THROW(onIdle(), QuitCalled);  // ...and the next redraw ends the program
}

TEST_F(Flow, BoardClicksScore10ABlockAndCheerBigGroups) {
    const struct {
        int blocks;
        Flag sound;
        const char *clip;  // "" for none
    } cases[] = {{4, 1, ""},
                 {5, 1, "smallblocks"},
                 {8, 1, "smallblocks"},
                 {9, 1, "largeblocks"},
                 {9, 0, ""}};
    for (const auto &c : cases) {
        resetWorld();
        game.soundOn = c.sound;
        game.viewSide = Top;
        for (int side : {Left, Right})  // a group never reaches into the walls beside it
            for (auto &row : game.board[side]) std::fill(row, row + kColumns, Red);
        for (int i = 0; i < c.blocks; ++i) game.board[Top][i / kColumns][i % kColumns] = Red;
        game.board[Top][(c.blocks - 1) / kColumns + 1][0] = Green;
        clickBoard(0, 0);
        EXPECT_EQ(game.points, 10 * c.blocks);
        EXPECT_EQ(fake.calls[0], *c.clip ? clip(c.clip) : "drawPanel") << c.blocks << " blocks";
    }
}

// One idle step: the panels it drew.
int idlePass() {
    const int drawn = fake.count("drawPanel");
    onIdle();
    return fake.count("drawPanel") - drawn;
}

TEST_F(Flow, IdleStepsDrawNewPicturesAtMostOnceAFrameAndSleepUntilTheirNextWork) {
    fake.now = game.lastTick = 100000;  // the next tick due in 1001 ms
    game.points = 12345;                // a picture the idle step has not drawn yet
    EXPECT_EQ(nextStepDelay(), 0);
    EXPECT_EQ(idlePass(), 1);
    EXPECT_EQ(nextStepDelay(), 1001);  // the same picture: nothing to do until the tick
    fake.now += 16;
    game.points += 10;
    EXPECT_EQ(idlePass(), 1);  // a new picture a frame later: drawn at once
    fake.now += 5;
    game.points += 10;
    EXPECT_EQ(idlePass(), 0);  // too soon: the step comes back a frame after the last picture
    EXPECT_EQ(nextStepDelay(), 11);
    fake.now += 11;
    EXPECT_EQ(idlePass(), 1);

    // A row due for its push gets its redraw even though the picture is the same.
    game.rowReady = 1;
    game.rowReadyTime = fake.now - 350;
    EXPECT_EQ(nextStepDelay(), 51);
    fake.now += 51;
    onIdle();
    EXPECT_EQ(game.rowsLeft, 14);

    // A push that ends the game changes the state after its picture was drawn:
    // the next step, a frame later, draws the game-over panel; then a finished
    // game has nothing to do until an event.
    for (int row = 0; row < kRows; ++row) game.board[game.pushSide][row][0] = Red;
    game.rowReady = 1;
    game.rowReadyTime = fake.now - 401;
    fake.now += 16;
    onIdle();
    ASSERT_EQ(game.gameOver, 1);
    EXPECT_EQ(nextStepDelay(), 16);
    fake.now += 16;
    EXPECT_EQ(idlePass(), 1);
    EXPECT_EQ(nextStepDelay(), -1);

    // Paused: a due tick is taken but builds nothing and draws nothing; the
    // step sleeps until the next tick.
    game.gameOver = 0;
    game.paused = 1;
    game.points += 10;
    game.lastTick = fake.now - 1001;
    EXPECT_EQ(idlePass(), 0);
    EXPECT_EQ(game.lastTick, fake.now);
    EXPECT_EQ(game.nextIndex, 0);
    EXPECT_EQ(nextStepDelay(), 1001);
    EXPECT_EQ(fake.slept, 0u);  // never a nap
}

}  // namespace
