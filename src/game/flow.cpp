// The game's clockwork: ticks that build the next row, the push of a finished
// row into the tunnel, the end of a level and the end of the credits.
#include "game/flow.h"

#include <cstdlib>
#include <cstring>

#include "app/frame.h"
#include "app/settings.h"
#include "game/board.h"
#include "game/clock.h"
#include "game/flow_support.h"
#include "game/game_state.h"
#include "game/pacing.h"
#include "render/panel.h"
#include "render/view.h"
#include "scores/high_scores.h"

namespace {

constexpr Millis kLevelPauseMs = 3500;  // time to enjoy the level's clip

const char *levelClip(int level) {
    if (level <= 2) return "data/woohoo.wav";
    if (level == 3) return "data/ohyeah.wav";
    if (level == 4) return "data/donut.wav";
    return "data/cake.wav";
}

// The quota of the level is used up: pay the bonus, let the clip play, then
// deal the walls of the next level, which is longer, faster and, from level 3
// on, has a fourth colour and a fifth pre-filled row. Pause and the high-score
// view stay as they were.
void completeLevel() {
    game.points += 100 * game.level;
    drawPanel();
    requestViewRedraw();
    playClip(levelClip(game.level));
    waitMs(kLevelPauseMs);

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
    drawPanel();
    requestViewRedraw();
}

// One tick's block goes into the next free cell of nextRow; the fifth one
// finishes the row and starts its push delay.
void buildBlock() {
    const int colour = game.level >= 3 ? std::rand() % 4 + 1 : std::rand() % 3 + 1;
    game.nextRow[game.nextIndex] = colour;
    if (game.nextIndex + 1 == kColumns) {
        game.nextIndex = 0;
        game.rowReady = 1;
        game.rowReadyTime = elapsedMs();
    } else {
        game.nextIndex += 1;
    }
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

void onIdle() {
    flushSettings(elapsedMs(), false);  // what the player set, a second after the last write
    // The panel selects its own window whenever it draws, so nothing needs
    // selecting here. A frame that events asked for faster than a display shows
    // them comes first.
    drawHeldPanel(false);
    if (game.gameOver == 1 && game.exitState == 0) {
        idleRedraw();
        return;
    }
    if (game.rowsLeft == 0 && game.gameOver != 1) {
        completeLevel();
        return;
    }
    // The tick is taken even when nothing uses it, so that a pause or a level
    // change does not leave a backlog of ticks behind.
    if (tickElapsed() == 1 && game.rowsLeft > 0 && game.gameOver != 1) {
        if (game.paused == 1) return;
        buildBlock();
        idleRedraw();
        return;
    }
    if (game.paused == 1) return;
    idleRedraw();
}

void checkExitTimer() {
    if (game.exitState == 1) {
        const int shown = static_cast<int>(elapsedMs() - static_cast<Millis>(game.creditsStart));
        if (shown > kCreditsMs) game.exitState = 2;
    } else if (game.exitState == 2) {
        quitGame();
    }
}

void advanceRowPush() {
    if (game.rowReady != 1 || elapsedMs() - game.rowReadyTime <= kRowPushDelayMs) return;
    game.rowReady = 0;
    if (pushNextRow() == 0) {
        // Show the new blocks at once. This redraws the panel from inside its
        // own redraw; the inner call finds no row ready and cannot push again.
        drawView();
        drawPanel();
    } else if (game.gameOver != 1) {
        // The wall is full up to its mouth: the game is over. A score good
        // enough for the table makes the keys type the player's name.
        game.gameOver = 1;
        game.nameState = scoreEarnsPlace(game.points);
        std::memcpy(game.lastBoard, game.board, sizeof game.board);
        clearBoard();
        playClip(game.level >= 4 ? "data/excellent.wav" : "data/nosoup.wav");
        // Then the view turns to the table, where the final score waits for
        // the name; any other score leaves the view with its last picture,
        // the blocks that ended the game.
        if (game.nameState == 1) requestViewRedraw();
    }
    for (int &cell : game.nextRow) cell = Empty;
    game.rowsLeft -= 1;
    game.pushSide = nextSide(game.pushSide);
}
