#include "game/pacing.h"

#include <cstdint>
#include <initializer_list>

#include "app/button.h"
#include "game/clock.h"
#include "game/flow_support.h"
#include "game/game_state.h"
#include "render/panel.h"

namespace {

constexpr Millis kFrameMs = 16;  // one refresh at 60 Hz

Millis lastIdleFrame = 0;
std::uint64_t lastIdlePicture = 0;

// A fingerprint of everything the panel shows, so that an idle pass can tell
// whether its picture would differ from the last one (FNV-1a).
std::uint64_t panelPicture() {
    std::uint64_t hash = 1469598103934665603ull;
    auto mix = [&hash](int value) {
        hash ^= static_cast<std::uint32_t>(value);
        hash *= 1099511628211ull;
    };
    for (int value : {game.level, game.points, game.rowsLeft, game.viewSide, game.pushSide,
                      static_cast<int>(game.gameOver), static_cast<int>(game.colourAid)})
        mix(value);
    if (game.viewSide >= 0 && game.viewSide < kSides)
        for (const auto &row : game.board[game.viewSide])
            for (int cell : row) mix(cell);
    for (int cell : game.nextRow) mix(cell);
    for (const Button *button :
         {&newGameButton, &soundButton, &pauseButton, &speedUpButton, &speedDownButton, &exitButton,
          &topButton, &bottomButton, &leftButton, &rightButton, &highScoresButton})
        mix(button->pressed);
    return hash;
}

// The panel's redraw also runs the game's timed steps; one of them due means
// the panel must be drawn whatever it shows.
bool timedStepDue() {
    const Millis now = elapsedMs();
    if (game.exitState == 2) return true;
    if (game.exitState == 1 &&
        static_cast<int>(now - static_cast<Millis>(game.creditsStart)) > kCreditsMs)
        return true;
    return game.rowReady == 1 && now - game.rowReadyTime > kRowPushDelayMs;
}

}  // namespace

void idleRedraw() {
    if (!timedStepDue() && panelPicture() == lastIdlePicture) {
        idleRest();
        return;
    }
    const Millis since = elapsedMs() - lastIdleFrame;
    if (since < kFrameMs) sleepMs(static_cast<int>(kFrameMs - since));
    drawPanel();
    lastIdleFrame = elapsedMs();
}

void notePanelDrawn() { lastIdlePicture = panelPicture(); }

void idleRest() { sleepMs(static_cast<int>(kFrameMs)); }
