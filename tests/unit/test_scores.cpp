// The high-score table through its file: defaults, placing a new score, the
// name prompt, and saves that fail without losing the old table.
#include <signal.h>
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

#include "fakes/fake_frame.h"
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

// The final score of a game whose name is being typed (1) or was entered (2).
int finish(const char *name, int nameState, int score) {
    std::snprintf(game.playerName, sizeof game.playerName, "%s", name);
    game.nameState = nameState;
    return recordFinalScore(score);
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
    for (const auto &c : cases) {
        if (!c.missing) writeFile(c.file);
        showHighScores();
        EXPECT_EQ(std::distance(Files("/proc/self/fd"), Files()), openFiles) << "left open";
        EXPECT_EQ(readFile("scores.dat"), c.file) << c.file.size();
        for (int i = 0; i < kScorePlaces; ++i) EXPECT_EQ(fake.table[i].score, c.scores[i]) << i;
    }
    EXPECT_STREQ(fake.table[0].name, "Stac");
    EXPECT_STREQ(fake.table[9].name, "In The Red          ");
    writeFile("");  // the next save writes the table whole
    finish("Ann", 2, 50000);
    EXPECT_EQ(readFile("scores.dat"), record("Ann", 50000) + kDefaults.substr(0, 216));
}

// A new score goes below equal ones and pushes the last out; while the name is
// typed the table is redrawn unsaved, and Enter saves it blank-padded and says so
// in place of the prompt.
TEST_F(Scores, ANewScoreTakesItsPlaceUnderTheNameTypedAndEnterSavesIt) {
    const struct {
        int score, place;
        const char *name;
    } cases[] = {{25000, 0, "Twenty-one characters"}, {12000, 3, "Ann"}, {2001, 9, ""}};
    for (const auto &c : cases) {
        writeFile(kDefaults);
        EXPECT_EQ(finish(c.name, 1, c.score), 1);
        EXPECT_EQ(readFile("scores.dat"), kDefaults);
        EXPECT_EQ(finish(c.name, 2, c.score), 1);  // saved, and the table stays up
        EXPECT_EQ(fake.note, "Score saved.");
        const std::string name = std::string(c.name).substr(0, 20);
        EXPECT_EQ(readFile("scores.dat"), kDefaults.substr(0, 24 * c.place) +
                                              record(name, c.score) +
                                              kDefaults.substr(24 * c.place, 24 * (9 - c.place)));
        EXPECT_EQ(game.nameState, 0);
    }
    // Equal to place 10 or less earns no place: the entry ends, quietly (the game
    // over had its clip).
    EXPECT_EQ(finish("Cy", 1, 2000), 0);
    EXPECT_EQ(finish("Cy", 1, 1999) * 10 + game.nameState, 0);
    EXPECT_EQ(fake.count("playSound data/excellent.wav") + fake.count("playSound data/nosoup.wav"),
              3);
}

TEST_F(Scores, AFailedSaveKeepsTheOldTableAndSaysSo) {
    writeFile(kDefaults);
    // The temporary file cannot be made (even by root), or the disk takes only
    // part of it (a file-size limit stands in for a full disk).
    rlimit unlimited, full;
    getrlimit(RLIMIT_FSIZE, &unlimited);
    full = unlimited;
    full.rlim_cur = 100;
    std::signal(SIGXFSZ, SIG_IGN);
    for (const int reason : {EEXIST, EFBIG}) {
        if (reason == EEXIST) std::filesystem::create_directory("scores.dat.tmp");
        setrlimit(RLIMIT_FSIZE, reason == EFBIG ? &full : &unlimited);
        testing::internal::CaptureStderr();
        finish("Dee", 2, 50000);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error writing scores.dat\n") << reason;
        // The screen names the reason of the step that failed.
        EXPECT_EQ(fake.note,
                  std::string("Your score could not be saved: ") + std::strerror(reason) + ".");
        EXPECT_EQ(readFile("scores.dat"), kDefaults) << reason;
        EXPECT_EQ(std::filesystem::remove("scores.dat.tmp"), reason == EEXIST) << "left behind";
    }
    EXPECT_EQ(fake.count("playSound data/excellent.wav"), 2);  // the clip follows all the same

    // A link planted as the temporary file is removed, never followed.
    std::filesystem::remove("scores.dat");
    std::ofstream("victim") << "victim";
    std::filesystem::create_symlink("victim", "scores.dat.tmp");
    showHighScores();
    EXPECT_EQ(readFile("victim") + readFile("scores.dat"), "victim" + kDefaults);

    // The defaults cannot be stored: they are still shown.
    std::filesystem::remove("scores.dat");
    std::filesystem::create_directory("scores.dat.tmp");
    testing::internal::CaptureStderr();
    showHighScores();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error writing to scores.dat\n");
    EXPECT_STREQ(fake.table[0].name, "Stack Master        ");
}

// A save killed at any moment leaves either the table that was there or the
// new one, complete: never a short or mixed file.
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
            for (int i = 0;; ++i) saveScoreFile(i % 2 ? before : after);
        usleep(static_cast<useconds_t>(random() % 4000));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string now = readFile("scores.dat");
        ASSERT_TRUE(now == kDefaults || now == newFile) << "round " << round << ": " << now.size();
    }
}

}  // namespace
