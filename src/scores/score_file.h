// The bytes of "scores.dat": ten records in table order, place 1 first, each a
// 20-byte name padded with blanks and a 4-byte little-endian signed score. No
// header, version or checksum. A file cut short keeps its whole records.
#pragma once

#include <cstddef>

#include "scores/high_scores.h"

constexpr int kScoreRecordBytes = kNameLength + 4;
constexpr int kScoreFileBytes = kScorePlaces * kScoreRecordBytes;  // 240

// Where the table lives, and where a save is put together before it replaces it:
// "scores.dat" and "scores.dat.tmp" in the working directory until start-up
// moves them to the player's data folder (findGameFiles in app/paths.h).
extern const char *kScoreFileName;
extern const char *kScoreTempName;

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
// errno telling why (ENOENT: there is no table yet).
int readScoreFile(HighScoreEntry table[kScorePlaces]);

// Replaces "scores.dat" with `table` as a whole: the records are written to a
// new temporary file, flushed to disk and renamed over the table. Returns 1 on
// success; on any failure returns 0 with errno holding the reason of the first
// call that failed, the temporary file is gone and the old "scores.dat" is as
// it was. A table that exists but cannot be read is never replaced. Prints
// nothing: the caller reports.
int saveScoreFile(const HighScoreEntry table[kScorePlaces]);
