#include "fakes/fake_frame.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "app/button.h"
#include "app/frame.h"
#include "assets/play_sound.h"
#include "game/clock.h"
#include "game/flow.h"
#include "game/pacing.h"
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
    for (Button *b :
         {&newGameButton, &soundButton, &pauseButton, &speedUpButton, &speedDownButton, &exitButton,
          &topButton, &bottomButton, &leftButton, &rightButton, &highScoresButton})
        *b = Button();
}

// The real panel runs the exit timer first and the row push last, and notes
// the picture in between; so does the fake, so that the timed steps and the
// idle step's pacing behave as in the game.
void drawPanel() {
    fake.calls.push_back("drawPanel");
    checkExitTimer();
    notePanelDrawn();
    advanceRowPush();
}

void drawView() { fake.calls.push_back("drawView"); }
void showCredits() { fake.calls.push_back("showCredits"); }

void drawScoreScreen(const HighScoreEntry table[kScorePlaces], int highlight, int prompt,
                     const char *note) {
    fake.calls.push_back("drawScoreScreen");
    std::copy(table, table + kScorePlaces, fake.lastTable);
    fake.lastHighlight = highlight;
    fake.lastPrompt = prompt;
    fake.lastNote = note != nullptr ? note : "";
}

void requestViewRedraw() { fake.calls.push_back("requestViewRedraw"); }

void quitGame(int) { throw QuitCalled(); }

void playSound(const char *file) { fake.calls.push_back(std::string("playSound ") + file); }

Millis elapsedMs() { return fake.now; }

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

void World::SetUp() {
    resetWorld();
    home = std::filesystem::current_path().string();
    char pattern[] = "/tmp/tumblewell-unit-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
    std::filesystem::current_path(dir);
}

void World::TearDown() {
    std::filesystem::current_path(home);
    std::filesystem::remove_all(dir);
}
