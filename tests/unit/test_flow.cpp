// The game's clockwork and actions on the fake clock: ticks, rows and their
// pushes, game over, levels and their wait, speed, new game, exit, board
// clicks, and when the step sleeps.
#include <algorithm>
#include <cstdlib>

#include "fakes/fake_platform.h"
#include "game/actions.h"
#include "game/controls.h"
#include "game/flow.h"
#include "game/random.h"

namespace {

using Flow = World;  // a game over reads and writes scores.dat

int blocksOn(int side) {
    const int *cells = &game.board[side][0][0];
    return kRows * kColumns - static_cast<int>(std::count(cells, cells + kRows * kColumns, Empty));
}

std::string clip(const std::string &name) { return "playSound data/" + name + ".wav"; }

using Ints = std::vector<int>;  // several fields compared at once, each on its own

// Steps the game at `now` and returns what it marked for drawing.
unsigned stepAt(Millis now) {
    fake.now = now;
    game.marks = 0;
    stepGame();
    return game.marks;
}

// Each wall in turn gets a row of one block a tick, pushed 400 ms after its
// last block; from level 3 the blocks come in four colours. Each block shows
// in the panel's preview, each push in both windows.
TEST_F(Flow, TicksBuildRowsThatArePushedIntoEachWallInTurn) {
    for (int push = 0; push < 5; ++push) {
        game.level = push + 1;
        seedRandom(push);
        for (int block = 0; block < kColumns; ++block) {
            // Not yet: a tick takes strictly longer than the interval.
            EXPECT_EQ(stepAt(game.lastTick + 1000), 0u);
            ASSERT_EQ(game.nextIndex, block);
            EXPECT_EQ(stepAt(game.lastTick + 1001), MarkPanel);
        }
        EXPECT_EQ(nextStepDelay(), 401);
        EXPECT_EQ(stepAt(game.rowReadyTime + 400), 0u);
        ASSERT_EQ(game.rowReady, 1);
        EXPECT_EQ(stepAt(fake.now + 1), MarkBoth);
        seedRandom(push);
        for (int cell : game.board[push % 4][push / 4])
            EXPECT_EQ(cell, nextRandom() % (push < 2 ? 3 : 4) + 1);
        EXPECT_EQ(Ints({game.rowsLeft, game.pushSide}), Ints({14 - push, (push + 1) % 4}));
    }
}

// A row onto a wall full to its mouth ends the game. A score good enough for
// the table turns the view to it, the score at its place under the name typed
// so far; any other score leaves the tunnel on the blocks that ended the game
// (or the table up, if it was).
TEST_F(Flow, ARowOntoAFullWallEndsTheGame) {
    const struct {
        Mode before;
        int level, points;
        Flag sound;
        Mode after;
        Calls calls;
    } cases[] = {{Mode::Playing, 3, 0, 1, Mode::GameOver, {clip("nosoup")}},
                 {Mode::Paused, 4, 2001, 1, Mode::NameEntry, {clip("excellent")}},
                 {Mode::HighScores, 4, 2000, 0, Mode::OverScores, {}}};
    for (const auto &c : cases) {
        resetWorld();
        game.mode = c.before;
        game.level = c.level;
        game.points = c.points;
        game.soundOn = c.sound;
        std::snprintf(game.playerName, sizeof game.playerName, "Ann");
        game.pushSide = Bottom;  // not the wall in view
        for (int row = 0; row < kRows; ++row) game.board[Bottom][row][2] = Green;
        game.board[Left][0][0] = game.nextRow[0] = Red;
        game.rowReady = 1;
        game.rowReadyTime = game.lastTick = 1000;
        const unsigned marks = stepAt(1401);
        EXPECT_EQ(fake.calls, c.calls);
        EXPECT_EQ(game.mode, c.after);
        EXPECT_EQ(marks, MarkBoth);  // the panel says Game Over, the view shows what ended it
        EXPECT_EQ(Ints({blocksOn(Left), blocksOn(Bottom), game.nextRow[0]}), Ints({0, 0, 0}));
        // The tunnel goes on showing the blocks that ended the game, until a new one.
        EXPECT_EQ(Ints({shownWalls()[Bottom][6][2], shownWalls()[Left][0][0]}), Ints({Green, Red}));
        // A finished game sleeps until the player does something.
        EXPECT_EQ(nextStepDelay(), -1);
        if (c.after == Mode::NameEntry) {
            EXPECT_STREQ(game.scores.table[9].name, "Ann                 ");
            EXPECT_EQ(game.scores.highlight, 9);
        }
    }
    newGame();
    EXPECT_EQ(&shownWalls(), &game.board);
}

// The quota used up (here skipped while the table is up, a row finished just
// before): the bonus and the level's clip at once, then the game waits 3.5 s,
// holding the player's events, and deals a longer, faster level with the mode
// as it was. The row that was finished is pushed at once, empty, onto the
// first wall.
TEST_F(Flow, ALevelEndsWithItsBonusAndClipAWaitAndALongerFasterLevel) {
    const struct {
        int points, rows, interval, colours, filled;
        const char *clip;
    } next[] = {{100, 23, 940, 3, 4, "woohoo"}, {300, 27, 850, 4, 5, "woohoo"},
                {600, 31, 730, 4, 5, "ohyeah"}, {1000, 35, 580, 4, 5, "donut"},
                {1500, 39, 500, 4, 5, "cake"},  {2100, 43, 500, 4, 5, "cake"}};
    game.mode = Mode::HighScores;
    for (const auto &n : next) {
        game.pushSide = game.viewSide = game.nextIndex = 3;
        game.rowReady = 1;
        game.rowReadyTime = fake.now;
        fake.calls.clear();
        skipLevel();
        EXPECT_EQ(stepAt(fake.now), MarkPanel);
        EXPECT_EQ(game.points, n.points);
        EXPECT_EQ(fake.calls, Calls({clip(n.clip)}));
        EXPECT_EQ(nextStepDelay(), 3500);
        handleEvent(Event::pressed(Key::Right));  // held until the wait ends
        EXPECT_EQ(stepAt(fake.now + 3499), 0u);
        EXPECT_EQ(game.cursorShown, 0);
        EXPECT_EQ(stepAt(fake.now + 1), MarkBoth);
        EXPECT_EQ(game.cursorShown, 1);
        game.cursorShown = 0;
        EXPECT_EQ(Ints({game.rowsLeft + 1, game.currentInterval}), Ints({n.rows, n.interval}));
        EXPECT_EQ(Ints({game.pushSide, game.viewSide, game.nextIndex}), Ints({Top, Left, 0}));
        EXPECT_EQ(game.mode, Mode::HighScores);
        for (int side = 0; side < kSides; ++side) EXPECT_EQ(blocksOn(side), n.filled * kColumns);
        EXPECT_EQ(*std::max_element(game.board[0][0], game.board[0][kRows]), n.colours);
    }
}

// The walls and rows are the C library's rand(), the same on every platform:
// the game's numbers are its sequence, from any seed.
TEST(Random, TheSequenceOfTheCLibrarysRand) {
    for (unsigned seed : {1u, 0u, 12345u, 4294967295u}) {
        std::srand(seed);
        seedRandom(seed);
        for (int i = 0; i < 1000; ++i) ASSERT_EQ(nextRandom(), std::rand()) << seed << " " << i;
    }
    seedRandom(1);  // as the game runs
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

// A new game shows its walls at once and waits a second before its first
// block; what the player does meanwhile is done when the second is over.
TEST_F(Flow, NewGameStartsLevelOneAtTheChosenSpeedAfterASecond) {
    game.level = game.rowsLeft = game.points = game.pushSide = game.viewSide = game.nextIndex = 3;
    game.baseInterval = 700;
    game.soundOn = 0;
    game.mode = Mode::ScoreSaved;
    game.rowReady = 1;
    game.nextRow[1] = game.board[2][6][4] = Red;
    fake.now = game.lastTick = 5000;
    newGame();
    EXPECT_EQ(game.marks, MarkBoth);
    EXPECT_EQ(Ints({game.level, game.rowsLeft, game.points, game.currentInterval}),
              Ints({1, 15, 0, 700}));
    EXPECT_EQ(Ints({game.rowReady, game.pushSide, game.viewSide, game.nextIndex}),
              Ints({0, Left, Left, 0}));
    EXPECT_EQ(Ints({game.nextRow[1], game.board[2][6][4], game.soundOn}), Ints({Empty, Empty, 0}));
    EXPECT_EQ(game.mode, Mode::Playing);
    for (int side = 0; side < kSides; ++side) EXPECT_EQ(blocksOn(side), 20);
    handleEvent(Event::typed('p'));
    EXPECT_EQ(stepAt(5999), 0u);  // the tick is due, but the game waits
    EXPECT_EQ(Ints({game.nextIndex, static_cast<int>(game.mode)}), Ints({0, 0}));
    stepAt(6000);  // the pause that came during the wait
    EXPECT_EQ(game.mode, Mode::Paused);
}

TEST_F(Flow, ExitShowsTheCreditsAndEndsTheProgramTenSecondsLater) {
    for (Millis start : {30001u, 30002u, 30000u}) {  // the farewell goes by the clock
        resetWorld();
        fake.now = start;
        game.mode = Mode::HighScores;
        game.board[Top][0][0] = 1;
        game.rowsLeft = 0;  // a game over on its level's last row completes no level
        game.lastTick = start;
        startExit();
        EXPECT_EQ(fake.calls, Calls({clip("end" + std::to_string(start % 3 + 1))}));
        EXPECT_EQ(game.marks, MarkBoth);
    }
    EXPECT_EQ(game.board[Top][0][0], Empty);
    // The credits take no tick and complete no level: the step sleeps until
    // their time is up.
    EXPECT_EQ(nextStepDelay(), 10001);
    stepAt(fake.now + 10000);
    EXPECT_EQ(Ints({static_cast<int>(game.mode), game.level, game.points}),
              Ints({static_cast<int>(Mode::Credits), 1, 0}));
    stepAt(fake.now + 1);
    EXPECT_EQ(game.mode, Mode::Ending);
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
        EXPECT_EQ(fake.calls, *c.clip ? Calls({clip(c.clip)}) : Calls()) << c.blocks << " blocks";
        EXPECT_EQ(game.board[Top][0][0], Green) << "the wall did not close the gap";
    }
}

// Paused, a due tick is taken but builds nothing and marks nothing, and the
// step sleeps until the next tick; a row that was finished is still pushed
// when its time comes.
TEST_F(Flow, APausedGameTakesItsTicksAndBuildsNothing) {
    game.mode = Mode::Paused;
    game.lastTick = 100000;
    EXPECT_EQ(stepAt(101001), 0u);
    EXPECT_EQ(Ints({static_cast<int>(game.lastTick), game.nextIndex}), Ints({101001, 0}));
    EXPECT_EQ(nextStepDelay(), 1001);
    game.rowReady = 1;
    game.rowReadyTime = fake.now - 350;
    EXPECT_EQ(nextStepDelay(), 51);
    EXPECT_EQ(stepAt(fake.now + 51), MarkBoth);
    EXPECT_EQ(game.rowsLeft, 14);
}

}  // namespace
