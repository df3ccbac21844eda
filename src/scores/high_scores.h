// The table of the ten best scores: its places, its defaults, where a new
// score goes.
#pragma once

constexpr int kScorePlaces = 10;
constexpr int kNameLength = 20;  // a name keeps at most this many characters

struct HighScoreEntry {
    char name[kNameLength + 1];
    int score;
};

// A table that is missing (got -1) or cut short (got whole records) shows the
// default table's places after its whole records: the ladder a fresh
// installation shows a new player to climb.
void completeWithDefaults(HighScoreEntry table[kScorePlaces], int got);

// The index where newScore goes, or kScorePlaces when it earns no place. A
// score equal to one in the table goes below it: the earlier player keeps the
// place.
int findPlace(const HighScoreEntry table[kScorePlaces], int newScore);

// Puts `entry` at `place`, moving the places below it down one; the last drops out.
void insertAt(HighScoreEntry table[kScorePlaces], int place, const HighScoreEntry &entry);

// The screen line of `entry` at `place` (1 to 10) into nbuf: the place in two
// columns, a full stop, the name, an arrow and the score in six columns.
constexpr int kScoreLineSize = 128;
void formatScoreLine(char nbuf[kScoreLineSize], int place, const HighScoreEntry &entry);
