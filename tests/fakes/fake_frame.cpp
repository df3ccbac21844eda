#include "fakes/fake_frame.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

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

void placeButtons() {
    struct Place {
        Button *button;
        int x, y;
    };
    const Place places[] = {{&newGameButton, 35, 530},   {&soundButton, 35, 500},
                            {&pauseButton, 35, 470},     {&speedUpButton, 0, 440},
                            {&speedDownButton, 83, 440}, {&exitButton, 35, 410},
                            {&topButton, 41, 300},       {&bottomButton, 41, 240},
                            {&leftButton, 0, 270},       {&rightButton, 83, 270}};
    for (const Place &place : places) {
        place.button->x = place.x;
        place.button->y = place.y;
        place.button->w = 83;
        place.button->h = 23;
    }
}

namespace {
std::string scratchDir, scratchHome;
}

void enterScratchDir() {
    scratchHome = std::filesystem::current_path().string();
    char pattern[] = "/tmp/tumblewell-unit-XXXXXX";
    if (mkdtemp(pattern) == nullptr) std::abort();
    scratchDir = pattern;
    std::filesystem::current_path(scratchDir);
}

void leaveScratchDir() {
    std::filesystem::current_path(scratchHome);
    std::filesystem::remove_all(scratchDir);
}
