#include "fakes/fake_frame.h"

#include <algorithm>
#include <cstring>

#include "app/button.h"
#include "app/frame.h"
#include "assets/sound.h"
#include "game/clock.h"
#include "game/flow.h"
#include "render/credits.h"
#include "render/panel.h"
#include "render/view.h"

FakeFrame fake;

int FakeFrame::count(const std::string &call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

void resetWorld() {
    game = GameState();
    fake = FakeFrame();
    for (Button *b : {&newGameButton, &soundButton, &pauseButton, &speedUpButton,
                      &speedDownButton, &exitButton, &topButton, &bottomButton, &leftButton,
                      &rightButton, &highScoresButton})
        std::memset(static_cast<void *>(b), 0, sizeof(Button));
}

// The real panel runs the exit timer first and the row push last; so does the
// fake, so that the timed steps behave as in the game.
void drawPanel() {
    fake.calls.push_back("drawPanel");
    checkExitTimer();
    advanceRowPush();
}

void drawView() { fake.calls.push_back("drawView"); }
void showCredits() { fake.calls.push_back("showCredits"); }

void drawScoreScreen(const HighScoreEntry table[kScorePlaces], int highlight, int prompt) {
    fake.calls.push_back("drawScoreScreen");
    std::copy(table, table + kScorePlaces, fake.lastTable);
    fake.lastHighlight = highlight;
    fake.lastPrompt = prompt;
}

void requestViewRedraw() { fake.calls.push_back("requestViewRedraw"); }

void quitGame(int status) {
    fake.calls.push_back(status == 0 ? "quitGame" : "quitGame " + std::to_string(status));
    throw QuitCalled();
}

void playSound(const char *file) { fake.calls.push_back(std::string("playSound ") + file); }

Millis elapsedMs() {
    const Millis reading = fake.now;
    fake.now += fake.stepPerRead;
    return reading;
}

void sleepMs(int ms) {
    fake.now += static_cast<Millis>(ms);
    fake.slept += static_cast<Millis>(ms);
}
