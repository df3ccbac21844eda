// The high-score table through its file: defaults, placing a new score, the
// name prompt, and saves that fail without losing the old table.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "fakes/fake_frame.h"
#include "scores/high_scores.h"
#include "scores/score_file.h"

namespace {

std::string readFile(const char *path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const char *path, const std::string &bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

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

// Every case runs in a fresh directory of its own, where "scores.dat" lives.
class Scores : public ::testing::Test {
  protected:
    void SetUp() override {
        resetWorld();
        home = std::filesystem::current_path();
        char pattern[] = "/tmp/tw-scores-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        std::filesystem::current_path(dir);
    }
    void TearDown() override {
        std::filesystem::current_path(home);
        std::filesystem::remove_all(dir);
    }
    // A game over whose name has been typed, or is still being typed.
    void finishGame(const char *name, int nameState) {
        std::snprintf(game.playerName, sizeof game.playerName, "%s", name);
        game.nameState = nameState;
    }
    std::filesystem::path home, dir;
};

TEST_F(Scores, MissingOrShortFileIsReplacedByTheDefaults) {
    for (const bool shortFile : {false, true}) {
        if (shortFile) writeFile("scores.dat", kDefaultFile.substr(0, 239));
        showHighScores();
        EXPECT_EQ(readFile("scores.dat"), kDefaultFile) << shortFile;
        EXPECT_EQ(fake.lastHighlight, -1);
        EXPECT_EQ(fake.lastPrompt, 0);
        EXPECT_EQ(fake.lastTable[9].score, 2000);
    }
    EXPECT_EQ(kDefaultFile.substr(20, 4), std::string("\x20\x4e\0\0", 4));

    char nbuf[kScoreLineSize];
    formatScoreLine(nbuf, 1, fake.lastTable[0]);
    EXPECT_STREQ(nbuf, " 1.  Stack Master          ->   20000");
    formatScoreLine(nbuf, 10, HighScoreEntry{"Late Starter        ", 1234567});
    EXPECT_STREQ(nbuf, "10.  Late Starter          ->  1234567");
}

TEST_F(Scores, NewScoreGoesBelowEqualScoresAndPushesTheRestDown) {
    const struct {
        int score, place;
        const char *below;
    } cases[] = {
        {25000, 0, "Stack Master        "}, {12000, 3, "Row Runner          "}, {2001, 9, nullptr}};
    for (const auto &c : cases) {
        writeFile("scores.dat", kDefaultFile);
        finishGame("Ann", 1);
        recordScore(c.score);
        EXPECT_EQ(fake.lastHighlight, c.place) << c.score;
        EXPECT_EQ(fake.lastPrompt, 1);
        EXPECT_STREQ(fake.lastTable[c.place].name, "Ann                 ");
        EXPECT_EQ(fake.lastTable[c.place].score, c.score);
        if (c.below) {
            EXPECT_STREQ(fake.lastTable[c.place + 1].name, c.below);
            EXPECT_STREQ(fake.lastTable[9].name, "Side Switcher       ");
        }
    }
    EXPECT_EQ(fake.count("playSound data/nosoup.wav"), 0);
}

TEST_F(Scores, TypingRedrawsWithoutSavingAndEnterSaves) {
    showHighScores();
    finishGame("Bo", 1);
    recordFinalScore(30000);
    finishGame("Bob", 1);
    recordFinalScore(30000);
    EXPECT_EQ(readFile("scores.dat"), kDefaultFile);
    EXPECT_EQ(fake.lastHighlight, 0);
    EXPECT_STREQ(fake.lastTable[0].name, "Bob                 ");
    EXPECT_EQ(fake.lastTable[1].score, 20000);  // the entry is in once, not twice
    EXPECT_EQ(game.nameState, 1);

    game.nameState = 2;
    EXPECT_EQ(recordFinalScore(30000), 1);
    EXPECT_EQ(readFile("scores.dat"), record("Bob", 30000) + kDefaultFile.substr(0, 9 * 24));
    EXPECT_EQ(fake.count("playSound data/excellent.wav"), 1);
    EXPECT_EQ(game.nameState, 0);
}

TEST_F(Scores, ScoreWithoutAPlaceEndsTheEntryAndOnlyAPlainCallGrumbles) {
    writeFile("scores.dat", kDefaultFile);
    finishGame("Cy", 1);
    recordScore(2000);  // equal to place 10: no place, but not below it either
    EXPECT_EQ(game.nameState, 0);
    EXPECT_EQ(fake.count("drawScoreScreen"), 0);
    EXPECT_EQ(fake.count("playSound data/nosoup.wav"), 0);

    finishGame("Cy", 2);
    recordScore(1999);
    EXPECT_EQ(fake.count("playSound data/nosoup.wav"), 1);

    // The game-over step has played its clip already.
    finishGame("Cy", 2);
    EXPECT_EQ(recordFinalScore(-5), 0);
    EXPECT_EQ(game.nameState, 0);
    EXPECT_EQ(fake.count("playSound data/nosoup.wav"), 1);
    EXPECT_EQ(fake.count("drawScoreScreen"), 0);
    EXPECT_EQ(readFile("scores.dat"), kDefaultFile);
}

TEST_F(Scores, NamesAreStoredAsTwentyBlankPaddedBytes) {
    // A zero byte inside a stored name ends it on screen; saved again, the
    // field is padded with blanks.
    std::string file = kDefaultFile;
    file[4] = '\0';
    writeFile("scores.dat", file);
    showHighScores();
    EXPECT_STREQ(fake.lastTable[0].name, "Stac");

    finishGame("", 2);
    recordScore(20001);
    EXPECT_EQ(readFile("scores.dat").substr(0, 48), record("", 20001) + record("Stac", 20000));

    // Scores are signed: -7 beats a place 10 of -10.
    writeFile("scores.dat", kDefaultFile.substr(0, 9 * 24) + record("Low", -10));
    finishGame("Twenty Characters!!!", 2);
    recordScore(-7);
    EXPECT_EQ(readFile("scores.dat").substr(9 * 24), record("Twenty Characters!!!", -7));

    char padded[kNameLength + 1];
    padName("Twenty-one characters", padded);
    EXPECT_STREQ(padded, "Twenty-one character");
}

TEST_F(Scores, FailedSaveKeepsTheOldTable) {
    writeFile("scores.dat", kDefaultFile);
    std::filesystem::create_directory("scores.dat.tmp");  // cannot be opened, even as root
    finishGame("Dee", 2);
    testing::internal::CaptureStderr();
    recordScore(50000);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error writing scores.dat\n");
    EXPECT_EQ(readFile("scores.dat"), kDefaultFile);
    EXPECT_TRUE(std::filesystem::is_directory("scores.dat.tmp"));
    EXPECT_EQ(fake.count("playSound data/excellent.wav"), 1);  // the clip and reset follow
    EXPECT_EQ(game.nameState, 0);

    // Opens, but the disk is full: the write is caught and the temporary removed.
    std::filesystem::remove("scores.dat.tmp");
    std::filesystem::create_symlink("/dev/full", "scores.dat.tmp");
    finishGame("Dee", 2);
    testing::internal::CaptureStderr();
    recordScore(50000);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error writing scores.dat\n");
    EXPECT_EQ(readFile("scores.dat"), kDefaultFile);
    EXPECT_FALSE(std::filesystem::is_symlink("scores.dat.tmp"));

    // The defaults cannot be stored: they are still shown.
    std::filesystem::remove("scores.dat");
    std::filesystem::create_directory("scores.dat.tmp");
    testing::internal::CaptureStderr();
    showHighScores();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error writing to scores.dat\n");
    EXPECT_FALSE(std::filesystem::exists("scores.dat"));
    EXPECT_STREQ(fake.lastTable[0].name, "Stack Master        ");
}

// A save killed at any moment leaves either the table that was there or the
// new one, complete: never a short or mixed file.
TEST_F(Scores, ASaveKilledAtAnyMomentLeavesAWholeTable) {
    HighScoreEntry before[kScorePlaces], after[kScorePlaces];
    ASSERT_EQ(decodeScores(reinterpret_cast<const unsigned char *>(kDefaultFile.data()),
                           kDefaultFile.size(), before),
              1);
    for (int i = 0; i < kScorePlaces; ++i) {
        after[i] = before[i];
        after[i].score += 1;
    }
    unsigned char afterBytes[kScoreFileBytes];
    encodeScores(after, afterBytes);
    const std::string newFile(reinterpret_cast<char *>(afterBytes), sizeof afterBytes);
    ASSERT_EQ(saveScoreFile(before), 1);

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
