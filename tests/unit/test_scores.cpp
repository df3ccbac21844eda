// The high-score table through its file: defaults, placing a new score, the
// name prompt, and saves that fail without losing the old table.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "fakes/fake_platform.h"
#include "game/controls.h"
#include "game/flow.h"
#include "game/score_keeping.h"
#include "scores/score_file.h"

namespace {

using Scores = World;  // every case has a directory of its own for "scores.dat"

std::string readFile(const char *path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string &bytes) { std::ofstream("scores.dat", std::ios::binary) << bytes; }

// One record as the file holds it: the name blank-padded, the score little-endian.
std::string record(const std::string &name, std::int32_t score) {
    std::string bytes = name + std::string(20 - name.size(), ' ');
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(score >> shift & 0xFF);
    return bytes;
}

const std::string kDefaults = record("Stack Master", 20000) + record("Cube Crusher", 15000) +
                              record("Tile Wizard", 12000) + record("Row Runner", 10000) +
                              record("Color Keeper", 9000) + record("Gem Hopper", 7000) +
                              record("Quick Clicker", 6000) + record("Tunnel Diver", 5000) +
                              record("Side Switcher", 3000) + record("Late Starter", 2000);

// A finished game's score entered under `name`: the line that tells the player
// how the save went.
std::string enter(const char *name, int score) {
    HighScoreEntry table[kScorePlaces], entry;
    readScores(table);
    padName(name, entry.name);
    entry.score = score;
    int place = findPlace(table, score);
    return saveEntry(table, place, entry);
}

// A game that ends with `score` points, its next row onto a full wall.
void gameOver(int score) {
    game.points = score;
    for (auto &row : game.board[game.pushSide]) row[0] = Red;
    game.rowReady = 1;
    game.rowReadyTime = game.lastTick = fake.now;
    fake.now += 401;
    stepGame();
}

TEST_F(Scores, OnlyAMissingFileGetsTheDefaultsAndACutOneKeepsItsWholeRecords) {
    // A missing table is created; an empty or cut one is left as it is (until
    // the next save) and shows its whole records, then the defaults' places.
    // A longer one is read for its first 240 bytes; negative scores are kept,
    // and a zero byte inside a name ends it on screen.
    std::string mine = std::string("Stac\0", 5) + std::string(15, ' ') + record("", 1).substr(20);
    for (int i = 2; i <= kScorePlaces; ++i) mine += record("In The Red", -i);
    const struct {
        bool missing;
        std::string file;
        int scores[kScorePlaces];
    } cases[] = {
        {true, kDefaults, {20000, 15000, 12000, 10000, 9000, 7000, 6000, 5000, 3000, 2000}},
        {false, "", {20000, 15000, 12000, 10000, 9000, 7000, 6000, 5000, 3000, 2000}},
        {false, mine.substr(0, 239), {1, -2, -3, -4, -5, -6, -7, -8, -9, 2000}},
        {false, mine + "trailing bytes", {1, -2, -3, -4, -5, -6, -7, -8, -9, -10}}};
    using Files = std::filesystem::directory_iterator;
    const auto openFiles = std::distance(Files("/proc/self/fd"), Files());
    HighScoreEntry shown[kScorePlaces];
    for (const auto &c : cases) {
        if (!c.missing) writeFile(c.file);
        readScores(shown);
        EXPECT_EQ(std::distance(Files("/proc/self/fd"), Files()), openFiles) << "left open";
        EXPECT_EQ(readFile("scores.dat"), c.file) << c.file.size();
        for (int i = 0; i < kScorePlaces; ++i) EXPECT_EQ(shown[i].score, c.scores[i]) << i;
    }
    EXPECT_STREQ(shown[0].name, "Stac");
    EXPECT_STREQ(shown[9].name, "In The Red          ");
    writeFile("");  // the next save writes the table whole
    enter("Ann", 50000);
    EXPECT_EQ(readFile("scores.dat"), record("Ann", 50000) + kDefaults.substr(0, 216));
}

// A game over whose score earns a place shows the table with the score at
// its place (below equal ones, pushing the last out) under the name as it is
// typed, the file untouched; Enter saves it blank-padded and says so in place
// of the prompt.
TEST_F(Scores, ANewScoreTakesItsPlaceUnderTheNameTypedAndEnterSavesIt) {
    const struct {
        int score, place;
        const char *name;
    } cases[] = {{25000, 0, "Twenty-one characters"}, {12000, 3, "Ann"}, {2001, 9, ""}};
    for (const auto &c : cases) {
        resetWorld();
        writeFile(kDefaults);
        gameOver(c.score);
        ASSERT_EQ(game.mode, Mode::NameEntry);
        for (const char *k = c.name; *k != '\0'; ++k) handleEvent(Event::typed(*k));
        const std::string name = std::string(c.name).substr(0, 20);
        EXPECT_EQ(game.scores.highlight, c.place);
        EXPECT_STREQ(game.scores.table[c.place].name,
                     (name + std::string(20 - name.size(), ' ')).c_str());
        EXPECT_EQ(readFile("scores.dat"), kDefaults);
        handleEvent(Event::pressed(Key::Enter));  // saved, and the table stays up
        EXPECT_EQ(game.scores.note, "Score saved.");
        EXPECT_EQ(readFile("scores.dat"), kDefaults.substr(0, 24 * c.place) +
                                              record(name, c.score) +
                                              kDefaults.substr(24 * c.place, 24 * (9 - c.place)));
        EXPECT_EQ(game.mode, Mode::ScoreSaved);
    }
    // Equal to place 10 or less earns no place: the tunnel stays, with the game
    // over's one clip.
    for (int score : {2000, 1999}) {
        resetWorld();
        gameOver(score);
        EXPECT_EQ(game.mode, Mode::GameOver);
        EXPECT_EQ(fake.calls, Calls({"playSound data/nosoup.wav"}));
    }
}

// Replaces the table with `table` as a save does.
int save(const HighScoreEntry *table) {
    return updateScoreFile([table](HighScoreEntry *current, int) {
        std::copy(table, table + kScorePlaces, current);
        return true;
    });
}

TEST_F(Scores, AFailedSaveKeepsTheOldTableAndSaysWhy) {
    writeFile(kDefaults);
    // The lock file cannot be opened (a folder in its place, which stops root
    // too), another game holds the lock too long, the disk takes only part of
    // the table (a file-size limit stands in for a full disk), or the table's
    // folder cannot be made.
    rlimit unlimited, full;
    getrlimit(RLIMIT_FSIZE, &unlimited);
    full = unlimited;
    full.rlim_cur = 100;
    std::signal(SIGXFSZ, SIG_IGN);
    std::ofstream("plain") << "a file where a folder should be";
    int held = -1;
    for (const int reason : {EISDIR, EWOULDBLOCK, EFBIG, ENOTDIR}) {
        std::filesystem::remove("scores.dat.lock");
        if (reason == EISDIR) std::filesystem::create_directory("scores.dat.lock");
        if (reason == EWOULDBLOCK) {
            held = open("scores.dat.lock", O_RDONLY | O_CREAT, 0600);
            flock(held, LOCK_EX);
            scoreLockWaitMs = 50;
        }
        if (reason == ENOTDIR) scoreFilePath = "plain/scores.dat";
        setrlimit(RLIMIT_FSIZE, reason == EFBIG ? &full : &unlimited);
        testing::internal::CaptureStderr();
        const std::string note = enter("Dee", 50000);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        close(held);
        const std::string file = scoreFilePath;
        scoreFilePath = "scores.dat";
        // The screen and standard error name the reason of the step that failed
        // (and there is no reading a table in a folder that cannot be).
        const std::string why =
            reason == EWOULDBLOCK ? "another game is saving to it" : std::strerror(reason);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  (reason == ENOTDIR ? "Couldn't read " + file + ": " + why + "\n" : "") +
                      "Error writing " + file + ": " + why + "\n");
        EXPECT_EQ(note, "Your score could not be saved: " + why + ".");
        EXPECT_EQ(readFile("scores.dat"), kDefaults) << reason;
    }
    using Files = std::filesystem::directory_iterator;
    EXPECT_EQ(std::distance(Files("."), Files()), 2) << "more than scores.dat and plain";

    // The defaults cannot be stored: they are still shown, and why is said once.
    std::filesystem::remove("scores.dat");
    std::filesystem::remove("scores.dat.lock");
    std::filesystem::create_directory("scores.dat.lock");
    testing::internal::CaptureStderr();
    HighScoreEntry shown[kScorePlaces];
    readScores(shown);
    readScores(shown);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Error writing to scores.dat: Is a directory\n");
    EXPECT_STREQ(shown[0].name, "Stack Master        ");
}

// Two games saving at once: the one that waits for the other's lock saves into
// the table as the other left it, so both records stay. A table kept behind a
// link is saved where the link leads, and the link stays.
TEST_F(Scores, TwoGamesSavingAtOnceKeepBothRecordsAndALinkStays) {
    std::filesystem::create_directory("synced");
    std::ofstream("synced/table", std::ios::binary) << kDefaults;
    std::filesystem::create_symlink("synced/table", "scores.dat");
    int locked[2];
    ASSERT_EQ(pipe(locked), 0);
    const pid_t other = fork();
    ASSERT_GE(other, 0);
    if (other == 0) {  // the other game enters its name once this one holds the table
        char byte;
        _exit(read(locked[0], &byte, 1) == 1 && enter("Eve", 16000) == "Score saved." ? 0 : 1);
    }
    EXPECT_EQ(updateScoreFile([&](HighScoreEntry *table, int got) {
                  EXPECT_EQ(got, kScorePlaces);
                  EXPECT_EQ(write(locked[1], "!", 1), 1);
                  usleep(300000);  // time enough for the other save, were it not held back
                  for (int i = kScorePlaces - 1; i > 0; --i) table[i] = table[i - 1];
                  table[0] = {"Ann", 50000};
                  return true;
              }),
              1);
    int status = -1;
    waitpid(other, &status, 0);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(std::filesystem::is_symlink("scores.dat"));
    EXPECT_EQ(readFile("synced/table"), record("Ann", 50000) + kDefaults.substr(0, 24) +
                                            record("Eve", 16000) + kDefaults.substr(24, 24 * 7));
}

// A save killed at any moment leaves either the table that was there or the
// new one, complete: never a short or mixed file; nor does it stop the next save.
TEST_F(Scores, ASaveKilledAtAnyMomentLeavesAWholeTable) {
    HighScoreEntry before[kScorePlaces], after[kScorePlaces];
    writeDefaultScores(before);
    std::string newFile;
    for (int i = 0; i < kScorePlaces; ++i) {
        after[i] = before[i];
        after[i].score += 1;  // every record differs, so a mixed file would show
        newFile += kDefaults.substr(24 * i, 20) + record("", after[i].score).substr(20);
    }
    std::mt19937 random(2026);
    for (int round = 0; round < 150; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            for (int i = 0;; ++i) save(i % 2 ? before : after);
        usleep(static_cast<useconds_t>(random() % 4000));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string now = readFile("scores.dat");
        ASSERT_TRUE(now == kDefaults || now == newFile) << "round " << round << ": " << now.size();
    }
    scoreLockWaitMs = 0;
    EXPECT_EQ(save(after), 1);
    EXPECT_EQ(readFile("scores.dat"), newFile);
}

}  // namespace
