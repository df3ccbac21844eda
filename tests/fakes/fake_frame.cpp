#include "fakes/fake_frame.h"

#include <filesystem>

#include "app/button.h"
#include "app/frame.h"
#include "app/full_screen.h"
#include "app/layout.h"
#include "game/clock.h"
#include "game/flow.h"
#include "game/pacing.h"
#include "render/credits.h"
#include "render/panel.h"
#include "render/view.h"
#include "scores/score_file.h"

FakeFrame fake;

void resetWorld() {
    game = GameState();
    fake = FakeFrame();
    shownLayout = PictureLayout();
    for (const ButtonPlace &place : kButtonPlaces) *place.button = Button{place.x, place.y, 83, 23};
}

// The real panel runs the exit timer first and the row push last, and notes
// the picture in between, so that the idle step's pacing behaves as in the game.
void drawPanel() {
    fake.calls.push_back("drawPanel");
    checkExitTimer();
    if (holdPanelFrame()) return;
    ++fake.frames;
    notePanelDrawn();
    advanceRowPush();
}
void drawView() { fake.calls.push_back("drawView"); }
void showCredits() { fake.calls.push_back("showCredits"); }
void requestViewRedraw() { fake.calls.push_back("requestViewRedraw"); }
void toggleFullScreen() { fake.calls.push_back("toggleFullScreen"); }
void leaveFullScreen() { fake.calls.push_back("leaveFullScreen"); }
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
    static const int lockWait = scoreLockWaitMs;  // as the game has it
    scoreLockWaitMs = lockWait;
    home = std::filesystem::current_path().string();
    char pattern[] = "/tmp/tumblewell-unit-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    std::filesystem::current_path(dir = pattern);
}

void World::TearDown() {
    std::filesystem::current_path(home);
    std::filesystem::remove_all(dir);
}
