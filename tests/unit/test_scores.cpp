// The high-score table through its file: defaults, placing a new score, the
// name prompt, and saves that fail without losing the old table.
#include <gtest/gtest.h>
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
#include <string>

#include "fakes/fake_frame.h"
#include "scores/high_scores.h"
#include "scores/score_file.h"

namespace {

using Scores = World;  // every case has a directory of its own for "scores.dat"

std::string readFile(const char *path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string &bytes) { std::ofstream("scores.dat", std::ios::binary) << bytes; }

// One record as the file holds it, built byte by byte.
std::string record(const std::string &name, std::int32_t score) {
    const auto raw = static_cast<std::uint32_t>(score);
    std::string bytes = name + std::string(20 - name.size(), ' ');
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(raw >> shift & 0xFF);
    return bytes;
}

const std::string kDefaultFile = record("Stack Master", 20000) + record("Cube Crusher", 15000) +
                                 record("Tile Wizard", 12000) + record("Row Runner", 10000) +
                                 record("Color Keeper", 9000) + record("Gem Hopper", 7000) +
                                 record("Quick Clicker", 6000) + record("Tunnel Diver", 5000) +
                                 record("Side Switcher", 3000) + record("Late Starter", 2000);

// A game over whose name has been typed (2), or is still being typed (1).
void finishGame(const char *name, int nameState) {
    std::snprintf(game.playerName, sizeof game.playerName, "%s", name);
    game.nameState = nameState;
}

// The scores of the last table drawn, place 1 first.
std::string shownScores() {
    std::string text;
    for (const HighScoreEntry &entry : fake.lastTable) text += " " + std::to_string(entry.score);
    return text;
}

TEST_F(Scores, OnlyAMissingFileGetsTheDefaultsAndACutOneKeepsItsWholeRecords) {
    ASSERT_EQ(kDefaultFile.substr(20, 4), std::string("\x20\x4e\0\0", 4));  // 20000
    // A missing table is created; an empty or cut one is left as it is (until
    // the next save) and shows its whole records, then the defaults' places.
    // A longer one is read for its first 240 bytes; negative scores are kept.
    std::string mine;
    for (int i = 1; i <= kScorePlaces; ++i) mine += record("In The Red", -i);
    const std::string defaults = " 20000 15000 12000 10000 9000 7000 6000 5000 3000 2000";
    const struct {
        bool missing;
        std::string file, scores;
    } cases[] = {{true, kDefaultFile, defaults},
                 {false, "", defaults},
                 {false, mine.substr(0, 239), " -1 -2 -3 -4 -5 -6 -7 -8 -9 2000"},
                 {false, mine + "trailing bytes", " -1 -2 -3 -4 -5 -6 -7 -8 -9 -10"}};
    for (const auto &c : cases) {
        if (!c.missing) writeFile(c.file);
        showHighScores();
        EXPECT_EQ(readFile("scores.dat"), c.file) << c.scores;
        EXPECT_EQ(shownScores(), c.scores);
        EXPECT_EQ(fake.lastHighlight * 10 + fake.lastPrompt, -10);  // no line red, no prompt
    }
    EXPECT_STREQ(fake.lastTable[9].name, "In The Red          ");
    writeFile("");  // the next save writes the table whole
    finishGame("Ann", 2);
    recordScore(50000);
    EXPECT_EQ(readFile("scores.dat"), record("Ann", 50000) + kDefaultFile.substr(0, 216));

    char nbuf[kScoreLineSize];
    formatScoreLine(nbuf, 10, HighScoreEntry{"Late Starter        ", 1234567});
    EXPECT_STREQ(nbuf, "10.  Late Starter          ->  1234567");
}

TEST_F(Scores, NewScoreGoesBelowEqualScoresAndPushesTheLastOut) {
    const struct {
        int score, place;
        const char *scores;
    } cases[] = {{25000, 0, " 25000 20000 15000 12000 10000 9000 7000 6000 5000 3000"},
                 {12000, 3, " 20000 15000 12000 12000 10000 9000 7000 6000 5000 3000"},
                 {2001, 9, " 20000 15000 12000 10000 9000 7000 6000 5000 3000 2001"}};
    for (const auto &c : cases) {
        writeFile(kDefaultFile);
        finishGame("Ann", 1);
        recordScore(c.score);
        EXPECT_EQ(fake.lastHighlight * 10 + fake.lastPrompt, c.place * 10 + 1) << c.score;
        EXPECT_STREQ(fake.lastTable[c.place].name, "Ann                 ");
        EXPECT_EQ(shownScores(), c.scores);
    }
    EXPECT_EQ(fake.count("playSound data/nosoup.wav"), 0);
}

TEST_F(Scores, TypingRedrawsWithoutSavingAndEnterSavesBlankPaddedNames) {
    // A zero byte inside a stored name ends it on screen.
    std::string file = kDefaultFile;
    file[4] = '\0';
    writeFile(file);
    finishGame("Bo", 1);
    recordFinalScore(30000);
    finishGame("", 1);  // erased again
    recordFinalScore(30000);
    EXPECT_EQ(readFile("scores.dat"), file);
    EXPECT_EQ(fake.lastHighlight, 0);
    EXPECT_STREQ(fake.lastTable[0].name, "                    ");
    EXPECT_STREQ(fake.lastTable[1].name, "Stac");  // the entry is in once, not twice
    EXPECT_EQ(game.nameState, 1);

    // Saved, every name field is padded with blanks, and the prompt gives way
    // to a line that says so.
    game.nameState = 2;
    EXPECT_EQ(recordFinalScore(30000), 1);
    EXPECT_EQ(fake.lastHighlight * 10 + fake.lastPrompt, 0);
    EXPECT_EQ(fake.lastNote, "Score saved.");
    EXPECT_EQ(readFile("scores.dat"),
              record("", 30000) + record("Stac", 20000) + kDefaultFile.substr(24, 8 * 24));
    EXPECT_EQ(fake.count("playSound data/excellent.wav"), 1);
    EXPECT_EQ(game.nameState, 0);

    char padded[kNameLength + 1];
    padName("Twenty-one characters", padded);
    EXPECT_STREQ(padded, "Twenty-one character");
}

TEST_F(Scores, ScoreWithoutAPlaceEndsTheEntryAndOnlyAPlainCallGrumbles) {
    writeFile(kDefaultFile);
    finishGame("Cy", 1);
    recordScore(2000);  // equal to place 10: no place, but not below it either
    EXPECT_EQ(game.nameState, 0);
    EXPECT_EQ(fake.calls, std::vector<std::string>{});

    finishGame("Cy", 2);
    recordScore(1999);
    EXPECT_EQ(fake.calls, std::vector<std::string>{"playSound data/nosoup.wav"});

    finishGame("Cy", 2);  // the game-over step has played its clip already
    EXPECT_EQ(recordFinalScore(-5), 0);
    EXPECT_EQ(game.nameState, 0);
    EXPECT_EQ(fake.calls.size(), 1u);
    EXPECT_EQ(readFile("scores.dat"), kDefaultFile);
}

TEST_F(Scores, FailedSaveKeepsTheOldTableAndSaysSo) {
    writeFile(kDefaultFile);
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
        finishGame("Dee", 2);
        testing::internal::CaptureStderr();
        recordScore(50000);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error writing scores.dat\n") << reason;
        // The screen names the reason of the step that failed.
        EXPECT_EQ(fake.lastNote, std::string("Your score could not be saved: ") +
                                     std::strerror(reason) + ".");
        EXPECT_EQ(readFile("scores.dat"), kDefaultFile) << reason;
        EXPECT_EQ(game.nameState, 0);  // the clip and the reset follow all the same
        EXPECT_EQ(std::filesystem::remove("scores.dat.tmp"), reason == EEXIST) << "left behind";
    }
    EXPECT_EQ(fake.count("playSound data/excellent.wav"), 2);

    // A table that cannot be read is never written over: the defaults are
    // shown, the reason is given once, and a save fails.
    std::filesystem::remove("scores.dat");
    std::filesystem::create_directory("scores.dat");
    testing::internal::CaptureStderr();
    showHighScores();
    finishGame("Dee", 2);
    recordScore(50000);
    EXPECT_EQ(errno, EISDIR);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Couldn't read scores.dat: Is a directory\nError writing scores.dat\n");
    EXPECT_STREQ(fake.lastTable[1].name, "Stack Master        ");

    // A link planted as the temporary file is removed, never followed.
    std::filesystem::remove("scores.dat");
    std::ofstream("victim") << "victim";
    std::filesystem::create_symlink("victim", "scores.dat.tmp");
    showHighScores();
    EXPECT_EQ(readFile("victim") + readFile("scores.dat"), "victim" + kDefaultFile);

    // The defaults cannot be stored: they are still shown.
    std::filesystem::remove("scores.dat");
    std::filesystem::create_directory("scores.dat.tmp");
    testing::internal::CaptureStderr();
    showHighScores();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error writing to scores.dat\n");
    EXPECT_STREQ(fake.lastTable[0].name, "Stack Master        ");
}

// A save killed at any moment leaves either the table that was there or the
// new one, complete: never a short or mixed file.
TEST_F(Scores, ASaveKilledAtAnyMomentLeavesAWholeTable) {
    HighScoreEntry before[kScorePlaces], after[kScorePlaces];
    writeDefaultScores(before);
    for (int i = 0; i < kScorePlaces; ++i) {
        after[i] = before[i];
        after[i].score += 1;  // every record differs, so a mixed file would show
    }
    unsigned char afterBytes[kScoreFileBytes];
    encodeScores(after, afterBytes);
    const std::string newFile(reinterpret_cast<char *>(afterBytes), sizeof afterBytes);

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
        ASSERT_TRUE(now == kDefaultFile || now == newFile)
            << "round " << round << ": " << now.size() << " bytes";
    }
}

}  // namespace
