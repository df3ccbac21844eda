// The high-score table kept in "scores.dat": read afresh whenever it is
// shown, and a new score entered into the file as it stands when it is saved,
// through the game's storage.
#pragma once

#include <functional>
#include <string>

#include "scores/high_scores.h"

// Where the table lives: "scores.dat" in the working directory until start-up
// moves it to the player's data folder (useGamePaths in app/paths.h).
extern std::string scoreFilePath;

// How long a save waits for another game's save to end, in milliseconds.
extern int scoreLockWaitMs;

// Reads the table from "scores.dat" as decodeScores does and returns the number
// of whole records read, or -1 when the file cannot be opened or read, with
// errno telling why (ENOENT: there is no table yet). Read as readSmallFile
// reads a player's file: a folder, a pipe or a device in its place is refused
// without waiting on it, as is a file of over 64 KiB, which is no table.
int readScoreFile(HighScoreEntry table[kScorePlaces]);

// Changes "scores.dat" as a whole, as updatePlayerFile changes a player's file:
// under a lock that every game takes for its saves (a file "scores.dat.lock"
// beside the table; where scores.dat is a link, beside the file it leads to,
// which is the one replaced), waited for up to scoreLockWaitMs. Makes the table's
// folder when missing, reads the table as it now stands into a table
// (`got`: the whole records read, -1 when there is no table yet) and hands it
// to `change`; when that returns true, writes the table to a new temporary file
// beside it, flushes it to disk and renames it over the old one. Returns 1 on
// success (nothing to write included); on any failure returns 0 with errno
// holding the reason of the first step that failed, and the old table is as it
// was. A table that exists but cannot be read is never replaced, and no lock
// within scoreLockWaitMs is a failure (EWOULDBLOCK). Prints nothing: the
// caller reports.
int updateScoreFile(const std::function<bool(HighScoreEntry *table, int got)> &change);

// What a failed save's errno means to the player, as describeFileError says
// it: the system's words, except for a table held by another game's save or
// a pipe or a device in its place.
const char *describeSaveError(int err);

// Creates "scores.dat" with the default table and copies it into `table`.
void writeDefaultScores(HighScoreEntry table[kScorePlaces]);

// Reads the table into `table`: a missing one is created with the defaults,
// one cut short shows the defaults' places after its whole records, and one
// that cannot be read shows the defaults (said once on standard error).
void readScores(HighScoreEntry table[kScorePlaces]);

// Saves `entry` into the table as it stands on disk: another game may have
// saved its own score since this one read the table, and that record stays.
// Leaves in `table` and `place` what the table now holds and where the entry
// went (kScorePlaces when the scores saved meanwhile left it no place), and
// returns the line that tells the player how the save went.
std::string saveEntry(HighScoreEntry table[kScorePlaces], int &place, const HighScoreEntry &entry);
