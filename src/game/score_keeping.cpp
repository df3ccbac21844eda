#include "game/score_keeping.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>

#include "game/storage.h"
#include "scores/score_file.h"

namespace {

// A table is 240 bytes, and a longer file is read for its first 240; but one
// this large is no table, and is not read into memory whole.
constexpr std::size_t kLargestTable = 64 * 1024;

int decodeBytes(const std::string &bytes, HighScoreEntry table[kScorePlaces]) {
    return decodeScores(reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size(), table);
}

}  // namespace

int readScoreFile(HighScoreEntry table[kScorePlaces]) {
    std::string bytes;
    return readSmallFile(scoreFilePath, bytes, kLargestTable) ? decodeBytes(bytes, table) : -1;
}

std::string scoreFilePath = "scores.dat";
int scoreLockWaitMs = 5000;

int updateScoreFile(const std::function<bool(HighScoreEntry *, int)> &change) {
    return updatePlayerFile(scoreFilePath, kLargestTable, scoreLockWaitMs,
                            [change](std::string &bytes, bool exists) {
                                HighScoreEntry table[kScorePlaces] = {};
                                const int got = exists ? decodeBytes(bytes, table) : -1;
                                if (!change(table, got)) return false;
                                unsigned char encoded[kScoreFileBytes];
                                encodeScores(table, encoded);
                                bytes.assign(encoded, encoded + sizeof encoded);
                                return true;
                            });
}

const char *describeSaveError(int err) { return describeFileError(err); }

namespace {

void reportWriteFailure(const char *what, int err) {
    std::fprintf(stderr, "%s %s: %s\n", what, scoreFilePath.c_str(), describeSaveError(err));
}

}  // namespace

void writeDefaultScores(HighScoreEntry table[kScorePlaces]) {
    completeWithDefaults(table, -1);
    // The caller gets the defaults even when they cannot be stored; the next
    // reader tries to store them again. Made only while there is still no
    // table: another game may have made one meanwhile.
    std::array<HighScoreEntry, kScorePlaces> defaults;
    std::copy(table, table + kScorePlaces, defaults.begin());
    const int made = updateScoreFile([defaults](HighScoreEntry *current, int got) {
        std::copy(defaults.begin(), defaults.end(), current);
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
        std::fprintf(stderr, "Couldn't read %s: %s\n", scoreFilePath.c_str(),
                     describeSaveError(err));
    reported = err;
    completeWithDefaults(scorelist, got);
}

std::string saveEntry(HighScoreEntry scorelist[kScorePlaces], int &place,
                      const HighScoreEntry &entry) {
    // What the save found, where the caller reads it (the save may be carried
    // out again later, where the browser keeps the file: see game/storage.h).
    struct Outcome {
        int place = kScorePlaces;
        std::array<HighScoreEntry, kScorePlaces> table;
    };
    const auto outcome = std::make_shared<Outcome>();
    const int saved = updateScoreFile([outcome, entry](HighScoreEntry *table, int got) {
        completeWithDefaults(table, got);
        outcome->place = findPlace(table, entry.score);
        if (outcome->place < kScorePlaces) insertAt(table, outcome->place, entry);
        std::copy(table, table + kScorePlaces, outcome->table.begin());
        return outcome->place < kScorePlaces;
    });
    if (saved) {
        place = outcome->place;
        std::copy(outcome->table.begin(), outcome->table.end(), scorelist);
    }
    if (!saved) {
        const int reason = errno;  // the save's own reason, before anything else runs
        reportWriteFailure("Error writing", reason);
        return std::string("Your score could not be saved: ") + describeSaveError(reason) + ".";
    }
    return place < kScorePlaces ? "Score saved."
                                : "Other games saved higher scores meanwhile: no place is left.";
}
