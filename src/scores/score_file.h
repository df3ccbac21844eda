// The bytes of "scores.dat": ten records in table order, place 1 first, each a
// 20-byte name padded with blanks and a 4-byte little-endian signed score. No
// header, version or checksum. A file cut short keeps its whole records.
#pragma once

#include <cstddef>
#include <functional>

#include "scores/high_scores.h"

constexpr int kScoreRecordBytes = kNameLength + 4;
constexpr int kScoreFileBytes = kScorePlaces * kScoreRecordBytes;  // 240

// Where the table lives: "scores.dat" in the working directory until start-up
// moves it to the player's data folder (findGameFiles in app/paths.h).
extern const char *kScoreFileName;

// How long a save waits for another game's save to end, in milliseconds.
extern int scoreLockWaitMs;

// The first 20 characters of `name` (fewer when it ends sooner), padded with
// blanks to exactly 20 and terminated at index 20.
void padName(const char *name, char padded[kNameLength + 1]);

// Fills the places of `table` whose records lie whole within the first 240 of
// `size` bytes and returns how many (0 to 10); the places after them are left
// alone. A name runs up to its first zero byte, if any, else keeps all 20 bytes.
int decodeScores(const unsigned char *bytes, std::size_t size, HighScoreEntry table[kScorePlaces]);

// The 240 bytes of `table`. Each name is written through padName, so a name
// that ended early is stored blank-padded, never with a zero byte in its field.
void encodeScores(const HighScoreEntry table[kScorePlaces], unsigned char bytes[kScoreFileBytes]);

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
