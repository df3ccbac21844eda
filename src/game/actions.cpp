// The player's actions. The controls decide whether one may run; once called,
// an action carries out every step and marks what it changed for drawing.
#include "game/actions.h"

#include <cstdio>

#include "game/board.h"
#include "game/clock.h"
#include "game/flow_support.h"
#include "game/game_state.h"
#include "game/score_keeping.h"
#include "game/settings.h"
#include "scores/high_scores.h"

namespace {

constexpr int kSlowestInterval = 32000;
constexpr int kSpeedStep = 50;
constexpr Millis kNewGamePauseMs = 1000;  // a breath before the first block falls

int faster(int interval) {
    return interval - kSpeedStep < kFastestInterval ? kFastestInterval : interval - kSpeedStep;
}

int slower(int interval) {
    return interval + kSpeedStep >= kSlowestInterval ? kSlowestInterval : interval + kSpeedStep;
}

void reportSpeed() {
    std::printf("Base = %d, Current = %d\n", game.baseInterval, game.currentInterval);
    std::fflush(stdout);
    mark(MarkBoth);
}

}  // namespace

void dealFirstGame() {
    clearBoard();
    fillBoard(0, 4);
}

void newGame() {
    game.rowReady = 0;  // a row waiting for its push is dropped with the old game
    clearBoard();
    game.pushSide = Left;
    game.viewSide = Left;
    game.nextIndex = 0;
    game.level = 1;
    game.rowsLeft = 15;
    game.points = 0;
    game.currentInterval = game.baseInterval;  // the player's chosen speed
    fillBoard(0, 4);
    game.mode = Mode::Playing;
    game.scores = ScoreScreen();
    mark(MarkBoth);
    startWait(kNewGamePauseMs, false);
}

void toggleSound() {
    // Only new clips are affected; one already playing finishes.
    game.soundOn = game.soundOn == 1 ? 0 : 1;
    rememberSetting(SoundSetting, game.soundOn);
    mark(MarkPanel);
}

void togglePause() {
    // While the high-score table is up the game stays paused: leaving the
    // table is what resumes it. A finished game has nothing to pause.
    if (game.mode == Mode::Playing)
        game.mode = Mode::Paused;
    else if (game.mode == Mode::Paused)
        game.mode = Mode::Playing;
    else
        return mark(MarkPanel);
    mark(MarkBoth);  // Pause pressed in or out, and the view says so
}

void pauseWhenHidden() {
    // A player who minimises the window or covers it must not come back to a
    // game lost meanwhile. Only a running game is paused, and it stays paused
    // when the window shows again, until the player resumes it.
    if (game.mode == Mode::Playing) togglePause();
}

void speedUp() {
    game.currentInterval = faster(game.currentInterval);
    game.baseInterval = faster(game.baseInterval);
    reportSpeed();
}

void speedDown() {
    game.currentInterval = slower(game.currentInterval);
    game.baseInterval = slower(game.baseInterval);
    reportSpeed();
}

void selectViewSide(int side) {
    game.viewSide = side;
    // After a game over the panel shows no wall, so there is nothing to redraw.
    if (!isOver(game.mode)) mark(MarkPanel);
}

void toggleHighScoreView() {
    // The table pauses the game beneath it; leaving it always resumes the
    // game, also one that was paused before, and goes back to a finished
    // game's last blocks.
    switch (game.mode) {
        case Mode::Playing:
        case Mode::Paused:
        case Mode::GameOver:
        case Mode::ScoreSaved:
            game.mode = isOver(game.mode) ? Mode::OverScores : Mode::HighScores;
            game.scores = ScoreScreen();
            readScores(game.scores.table);
            break;
        case Mode::HighScores:
            game.mode = Mode::Playing;
            break;
        case Mode::OverScores:
            game.mode = Mode::GameOver;
            break;
        default:
            return;
    }
    mark(MarkBoth);
}

void startExit() {
    game.mode = Mode::Credits;
    clearBoard();
    // A farewell picked by the clock, so it varies from run to run.
    static const char *const farewells[] = {"data/end1.wav", "data/end2.wav", "data/end3.wav"};
    playClip(farewells[elapsedMs() % 3]);
    game.creditsStart = static_cast<int>(elapsedMs());
    mark(MarkBoth);
}

void clickBoard(int row, int column) {
    game.removedCount = 0;
    const int colour = game.board[game.viewSide][row][column];
    if (colour != Empty) removeGroup(game.viewSide, row, column, colour);
    game.points += 10 * game.removedCount;
    if (game.removedCount > 8)
        playClip("data/largeblocks.wav");
    else if (game.removedCount >= 5)
        playClip("data/smallblocks.wav");
    collapseSide(game.viewSide);
    mark(MarkBoth);
}

void skipLevel() {
    // The next step sees the quota used up and completes the level.
    game.rowsLeft = 0;
}

void toggleColourAid() {
    // Only the pictures change: both windows show the blocks with or without
    // their shapes at once.
    game.colourAid = game.colourAid == 1 ? 0 : 1;
    rememberSetting(ColourAidSetting, game.colourAid);
    mark(MarkBoth);
}

void quitNow() { game.mode = Mode::Ending; }

void toggleHelp() {
    if (game.mode == Mode::Help) {
        game.mode = game.helpFrom;
    } else if (game.mode == Mode::Playing || game.mode == Mode::Paused) {
        game.helpFrom = game.mode;
        game.mode = Mode::Help;
    } else {
        return;  // the view shows the table or the credits: the game is not in play
    }
    mark(MarkBoth);
}
