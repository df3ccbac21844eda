#include "fakes/fake_frame.h"

#include <filesystem>

#include "app/button.h"
#include "app/frame.h"
#include "game/clock.h"
#include "game/flow.h"
#include "game/pacing.h"
#include "render/credits.h"
#include "render/panel.h"
#include "render/view.h"

FakeFrame fake;

void resetWorld() {
    game = GameState();
    fake = FakeFrame();
    // The scores button answers only at (0, 0), as every button does before its
    // first draw.
    const struct {
        Button *button;
        int x, y;
    } places[] = {{&newGameButton, 35, 530}, {&soundButton, 35, 500},     {&highScoresButton, 0, 0},
                  {&speedUpButton, 0, 440},  {&speedDownButton, 83, 440}, {&pauseButton, 35, 470},
                  {&topButton, 41, 300},     {&bottomButton, 41, 240},    {&leftButton, 0, 270},
                  {&rightButton, 83, 270},   {&exitButton, 35, 410}};
    for (const auto &p : places) *p.button = p.x + p.y ? Button{p.x, p.y, 83, 23} : Button();
}

// The real panel runs the exit timer first and the row push last, and notes
// the picture in between, so that the idle step's pacing behaves as in the game.
void drawPanel() {
    fake.calls.push_back("drawPanel");
    checkExitTimer();
    notePanelDrawn();
    advanceRowPush();
}
void drawView() { fake.calls.push_back("drawView"); }
void showCredits() { fake.calls.push_back("showCredits"); }
void requestViewRedraw() { fake.calls.push_back("requestViewRedraw"); }
void drawScoreScreen(const HighScoreEntry table[kScorePlaces], int, int, const char *note) {
    fake.calls.push_back("drawScoreScreen");
    std::copy(table, table + kScorePlaces, fake.table);
    fake.note = note != nullptr ? note : "";
}
void quitGame(int) { throw QuitCalled(); }
void playSound(const char *file) { fake.calls.push_back(std::string("playSound ") + file); }
Millis elapsedMs() { return fake.now; }
void sleepMs(int ms) {
    fake.now += static_cast<Millis>(ms);
    fake.slept += static_cast<Millis>(ms);
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
