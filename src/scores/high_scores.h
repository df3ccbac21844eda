// The ten best scores, kept in "scores.dat": read afresh whenever they are
// shown, and entered into the file as it stands when a new one is saved.
#pragma once

#include <string>

constexpr int kScorePlaces = 10;
constexpr int kNameLength = 20;  // a name keeps at most this many characters

struct HighScoreEntry {
    char name[kNameLength + 1];
    int score;
};

// Creates "scores.dat" with the default table and copies it into `table`.
void writeDefaultScores(HighScoreEntry table[kScorePlaces]);

// Reads the table into `table`: a missing one is created with the defaults,
// one cut short shows the defaults' places after its whole records, and one
// that cannot be read shows the defaults (said once on standard error).
void readScores(HighScoreEntry table[kScorePlaces]);

// The index where newScore goes, or kScorePlaces when it earns no place. A
// score equal to one in the table goes below it: the earlier player keeps the
// place.
int findPlace(const HighScoreEntry table[kScorePlaces], int newScore);

// Puts `entry` at `place`, moving the places below it down one; the last drops out.
void insertAt(HighScoreEntry table[kScorePlaces], int place, const HighScoreEntry &entry);

// Saves `entry` into the table as it stands on disk: another game may have
// saved its own score since this one read the table, and that record stays.
// Leaves in `table` and `place` what the table now holds and where the entry
// went (kScorePlaces when the scores saved meanwhile left it no place), and
// returns the line that tells the player how the save went.
std::string saveEntry(HighScoreEntry table[kScorePlaces], int &place, const HighScoreEntry &entry);

// The screen line of `entry` at `place` (1 to 10) into nbuf: the place in two
// columns, a full stop, the name, an arrow and the score in six columns.
constexpr int kScoreLineSize = 128;
void formatScoreLine(char nbuf[kScoreLineSize], int place, const HighScoreEntry &entry);
