// The game's clockwork: ticks that build the next row, the push of a finished
// row into the tunnel, the end of a level, a game lost to a full wall and the
// end of the credits.
#include "game/flow.h"

#include <algorithm>
#include <cstring>

#include "game/board.h"
#include "game/clock.h"
#include "game/controls.h"
#include "game/flow_support.h"
#include "game/game_state.h"
#include "game/random.h"
#include "game/score_keeping.h"
#include "scores/high_scores.h"
#include "scores/score_file.h"

namespace {

constexpr Millis kLevelPauseMs = 3500;  // time to enjoy the level's clip

const char *levelClip(int level) {
    if (level <= 2) return "data/woohoo.wav";
    if (level == 3) return "data/ohyeah.wav";
    if (level == 4) return "data/donut.wav";
    return "data/cake.wav";
}

// The quota of the level is used up: pay the bonus and let the clip play.
// The game waits meanwhile; the panel shows the new points over the old
// level's walls, and the tunnel its last picture.
void completeLevel() {
    game.points += 100 * game.level;
    mark(MarkPanel);
    playClip(levelClip(game.level));
    startWait(kLevelPauseMs, true);
}

// Then the walls of the next level: longer, faster and, from level 3 on, with
// a fourth colour and a fifth pre-filled row. The mode stays as it was.
void dealNextLevel() {
    clearBoard();
    game.level += 1;
    game.rowsLeft = 4 * game.level + 15;
    game.currentInterval -= 30 * game.level;
    if (game.currentInterval < kFastestInterval) game.currentInterval = kFastestInterval;
    if (game.level >= 3)
        fillBoard(1, 5);
    else
        fillBoard(0, 4);
    game.pushSide = Left;
    game.viewSide = Left;
    game.nextIndex = 0;
    mark(MarkBoth);
}

// One tick's block goes into the next free cell of nextRow; the fifth one
// finishes the row and starts its push delay.
void buildBlock() {
    const int colour = game.level >= 3 ? nextRandom() % 4 + 1 : nextRandom() % 3 + 1;
    game.nextRow[game.nextIndex] = colour;
    if (game.nextIndex + 1 == kColumns) {
        game.nextIndex = 0;
        game.rowReady = 1;
        game.rowReadyTime = elapsedMs();
    } else {
        game.nextIndex += 1;
    }
    mark(MarkPanel);
}

// A row found its wall full up to the mouth: the game is over. A score good
// enough for the table turns the view to it, with the final score at its
// place under the name typed so far, and the keys type the name; any other
// score leaves the tunnel showing the blocks that ended the game, and says
// so (or the table, if it was up).
void endGame() {
    std::memcpy(game.lastBoard, game.board, sizeof game.board);
    clearBoard();
    playClip(game.level >= 4 ? "data/excellent.wav" : "data/nosoup.wav");
    ScoreScreen screen;
    readScores(screen.table);
    const int place = findPlace(screen.table, game.points);
    if (place < kScorePlaces) {
        HighScoreEntry entry;
        padName(game.playerName, entry.name);
        entry.score = game.points;
        insertAt(screen.table, place, entry);
        screen.highlight = place;
        game.scores = screen;
        game.mode = Mode::NameEntry;
    } else {
        game.mode = game.mode == Mode::HighScores ? Mode::OverScores : Mode::GameOver;
    }
    mark(MarkBoth);
}

// Milliseconds from now to `at`, none if it has passed.
int until(Millis at, Millis now) { return std::max(0, static_cast<int>(at - now)); }

int sooner(int delay, int other) {
    if (delay < 0 || other < 0) return std::max(delay, other);
    return std::min(delay, other);
}

}  // namespace

int tickElapsed() {
    const Millis now = elapsedMs();
    if (now - game.lastTick > static_cast<Millis>(game.currentInterval)) {
        game.lastTick = now;
        return 1;
    }
    return 0;
}

void stepGame() {
    if (game.waiting == 1) {
        if (elapsedMs() - game.waitStart < game.waitLength) return;
        game.waiting = 0;
        if (game.levelDone == 1) {
            game.levelDone = 0;
            dealNextLevel();
            // A row finished before the level ended is pushed at once, empty:
            // the level change emptied it.
            checkExitTimer();
            advanceRowPush();
        }
        handleHeldEvents();
        return;
    }
    // A finished game has nothing to do until the player starts another.
    if (isOver(game.mode) && !isLeaving(game.mode)) return;
    if (game.rowsLeft == 0 && !isOver(game.mode)) {
        completeLevel();
        return;
    }
    // The tick is taken even when nothing uses it, so that a pause does not
    // leave a backlog of ticks behind.
    if (tickElapsed() == 1 && game.rowsLeft > 0 && !isOver(game.mode) && !isPaused(game.mode))
        buildBlock();
    checkExitTimer();
    advanceRowPush();
}

void checkExitTimer() {
    if (game.mode != Mode::Credits) return;
    const int shown = static_cast<int>(elapsedMs() - static_cast<Millis>(game.creditsStart));
    if (shown > kCreditsMs) game.mode = Mode::Ending;
}

void advanceRowPush() {
    if (game.rowReady != 1 || elapsedMs() - game.rowReadyTime <= kRowPushDelayMs) return;
    game.rowReady = 0;
    if (pushNextRow() == 0)
        mark(MarkBoth);
    else if (!isOver(game.mode))
        endGame();
    for (int &cell : game.nextRow) cell = Empty;
    game.rowsLeft -= 1;
    game.pushSide = nextSide(game.pushSide);
}

int nextStepDelay() {
    const Millis now = elapsedMs();
    if (game.waiting == 1) return until(game.waitStart + game.waitLength, now);
    if (game.mode == Mode::Ending) return 0;
    int delay = -1;
    if (game.rowReady == 1) delay = until(game.rowReadyTime + kRowPushDelayMs + 1, now);
    if (game.mode == Mode::Credits)
        return sooner(delay, until(static_cast<Millis>(game.creditsStart) + kCreditsMs + 1, now));
    if (isOver(game.mode)) return delay;
    if (game.rowsLeft == 0) return 0;
    return sooner(delay, until(game.lastTick + static_cast<Millis>(game.currentInterval) + 1, now));
}
