#include "game/pacing.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "app/button.h"
#include "app/settings.h"
#include "game/clock.h"
#include "game/flow_support.h"
#include "game/game_state.h"
#include "render/panel.h"

namespace {

constexpr Millis kFrameMs = 16;  // one refresh at 60 Hz
constexpr int kNoStep = -1;

Millis lastIdleFrame = 0;
std::uint64_t lastIdlePicture = 0;

// Panel frames asked for while an event is handled: at most one a refresh is
// drawn, the rest held for the idle step.
bool handlingInput = false;
bool panelHeld = false;
bool panelDrawn = false;
Millis lastPanelFrame = 0;

// A fingerprint of everything the panel shows, so that an idle pass can tell
// whether its picture would differ from the last one (FNV-1a).
std::uint64_t panelPicture() {
    std::uint64_t hash = 1469598103934665603ull;
    auto mix = [&hash](int value) {
        hash ^= static_cast<std::uint32_t>(value);
        hash *= 1099511628211ull;
    };
    for (int value : {game.level, game.points, game.rowsLeft, game.viewSide, game.pushSide,
                      static_cast<int>(game.gameOver), static_cast<int>(game.colourAid),
                      static_cast<int>(game.paused)})
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

// Milliseconds from now to `at`, none if it has passed.
int until(Millis at, Millis now) { return std::max(0, static_cast<int>(at - now)); }

int sooner(int delay, int other) {
    if (delay == kNoStep || other == kNoStep) return std::max(delay, other);
    return std::min(delay, other);
}

// When idleRedraw next draws: for a new picture or a due timed step, a frame
// after its last picture at the earliest.
int redrawDelay(Millis now) {
    int delay = kNoStep;
    if (game.exitState == 2 || panelPicture() != lastIdlePicture) delay = 0;
    if (game.exitState == 1)
        delay = sooner(delay, until(static_cast<Millis>(game.creditsStart) + kCreditsMs + 1, now));
    if (game.rowReady == 1)
        delay = sooner(delay, until(game.rowReadyTime + kRowPushDelayMs + 1, now));
    return delay == kNoStep ? kNoStep : std::max(delay, until(lastIdleFrame + kFrameMs, now));
}

}  // namespace

void idleRedraw() {
    if (!timedStepDue() && panelPicture() == lastIdlePicture) return;
    if (elapsedMs() - lastIdleFrame < kFrameMs) return;
    drawPanel();
    lastIdleFrame = elapsedMs();
}

void notePanelDrawn() {
    lastIdlePicture = panelPicture();
    lastPanelFrame = elapsedMs();
    panelDrawn = true;
    panelHeld = false;
}

InputEvent::InputEvent() : outer(handlingInput) { handlingInput = true; }
InputEvent::~InputEvent() { handlingInput = outer; }

bool holdPanelFrame() {
    if (!handlingInput || !panelDrawn || elapsedMs() - lastPanelFrame >= kFrameMs) return false;
    panelHeld = true;
    return true;
}

void drawHeldPanel(bool evenWithinAFrame) {
    if (!panelHeld || (!evenWithinAFrame && elapsedMs() - lastPanelFrame < kFrameMs)) return;
    const bool input = handlingInput;
    handlingInput = false;  // this frame is the one that was held: it is drawn now
    drawPanel();
    handlingInput = input;
}

// The branches of onIdle: a finished game only redraws; a used-up quota ends
// the level at once; otherwise ticks are taken, paused or not, and a running
// game redraws.
int nextStepDelay() {
    const Millis now = elapsedMs();
    // A held frame and a changed setting to write wake the step in every state.
    const int wake = sooner(panelHeld ? until(lastPanelFrame + kFrameMs, now) : kNoStep,
                            settingsFlushDelay(now));
    if (game.gameOver == 1 && game.exitState == 0) return sooner(redrawDelay(now), wake);
    if (game.rowsLeft == 0 && game.gameOver != 1) return 0;
    const int tick = until(game.lastTick + static_cast<Millis>(game.currentInterval) + 1, now);
    return sooner(wake, game.paused == 1 ? tick : sooner(redrawDelay(now), tick));
}
