#include "fakes/fake_platform.h"

#include <filesystem>

#include "game/audio.h"
#include "game/clock.h"
#include "game/controls.h"
#include "game/score_keeping.h"
#include "game/window.h"
#include "scores/score_file.h"

FakePlatform fake;

void resetWorld() {
    handleHeldEvents();  // none left over from an earlier case
    game = GameState();
    fake = FakePlatform();
}

void toggleFullScreen() { fake.calls.push_back("toggleFullScreen"); }
void leaveFullScreen() { fake.calls.push_back("leaveFullScreen"); }
void playSound(const char *file) { fake.calls.push_back(std::string("playSound ") + file); }
Millis elapsedMs() { return fake.now; }

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
