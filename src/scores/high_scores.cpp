#include "scores/high_scores.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>

#include "scores/score_file.h"

namespace {

struct DefaultScore {
    const char *name;
    int score;
};

// What a fresh installation shows: a ladder for a new player to climb.
constexpr DefaultScore kDefaultScores[kScorePlaces] = {
    {"Stack Master", 20000}, {"Cube Crusher", 15000}, {"Tile Wizard", 12000},
    {"Row Runner", 10000},   {"Color Keeper", 9000},  {"Gem Hopper", 7000},
    {"Quick Clicker", 6000}, {"Tunnel Diver", 5000},  {"Side Switcher", 3000},
    {"Late Starter", 2000},
};

void defaultEntry(int place, HighScoreEntry &entry) {
    padName(kDefaultScores[place].name, entry.name);
    entry.score = kDefaultScores[place].score;
}

// A table that is missing (got -1) or cut short shows the defaults' places
// after its whole records.
void completeWithDefaults(HighScoreEntry scorelist[kScorePlaces], int got) {
    for (int i = std::max(got, 0); i < kScorePlaces; ++i) defaultEntry(i, scorelist[i]);
}

void reportWriteFailure(const char *what, int err) {
    std::fprintf(stderr, "%s %s: %s\n", what, kScoreFileName, describeSaveError(err));
}

}  // namespace

void writeDefaultScores(HighScoreEntry table[kScorePlaces]) {
    completeWithDefaults(table, -1);
    // The caller gets the defaults even when they cannot be stored; the next
    // reader tries to store them again. Made only while there is still no
    // table: another game may have made one meanwhile.
    const int made = updateScoreFile([table](HighScoreEntry *current, int got) {
        std::copy(table, table + kScorePlaces, current);
        return got < 0;
    });
    // Every screen of the table comes here while the defaults cannot be
    // stored: the reason is given once.
    static int reported = 0;
    const int err = made ? 0 : errno;
    if (err != 0 && err != reported) reportWriteFailure("Error writing to", err);
    reported = err;
}

// No copy of the table is kept between calls: the file is the only lasting
// one, so every caller reads it afresh. Only a missing table is created with
// the defaults. One that cannot be read shows the defaults and is never
// written over; one cut short shows its whole records with the defaults'
// places after them, and is rewritten whole at the next save.
void readScores(HighScoreEntry scorelist[kScorePlaces]) {
    static int reported = 0;  // the reason already given, so that redraws do not repeat it
    const int got = readScoreFile(scorelist);
    const int err = got < 0 ? errno : 0;
    if (err == ENOENT) {
        writeDefaultScores(scorelist);
        return;
    }
    if (err != 0 && err != reported)
        std::fprintf(stderr, "Couldn't read %s: %s\n", kScoreFileName, describeSaveError(err));
    reported = err;
    completeWithDefaults(scorelist, got);
}

int findPlace(const HighScoreEntry scorelist[kScorePlaces], int newScore) {
    int place = 0;
    while (place < kScorePlaces && scorelist[place].score >= newScore) ++place;
    return place;
}

void insertAt(HighScoreEntry scorelist[kScorePlaces], int place, const HighScoreEntry &entry) {
    for (int j = kScorePlaces - 1; j > place; --j) scorelist[j] = scorelist[j - 1];
    scorelist[place] = entry;
}

std::string saveEntry(HighScoreEntry scorelist[kScorePlaces], int &place,
                      const HighScoreEntry &entry) {
    const int saved = updateScoreFile([&](HighScoreEntry *table, int got) {
        completeWithDefaults(table, got);
        place = findPlace(table, entry.score);
        if (place < kScorePlaces) insertAt(table, place, entry);
        std::copy(table, table + kScorePlaces, scorelist);
        return place < kScorePlaces;
    });
    if (!saved) {
        const int reason = errno;  // the save's own reason, before anything else runs
        reportWriteFailure("Error writing", reason);
        return std::string("Your score could not be saved: ") + describeSaveError(reason) + ".";
    }
    return place < kScorePlaces ? "Score saved."
                                : "Other games saved higher scores meanwhile: no place is left.";
}
