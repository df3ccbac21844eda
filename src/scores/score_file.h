// The bytes of "scores.dat": ten records in table order, place 1 first, each a
// 20-byte name padded with blanks and a 4-byte little-endian signed score. No
// header, version or checksum. A file cut short keeps its whole records.
#pragma once

#include <cstddef>

#include "scores/high_scores.h"

constexpr int kScoreRecordBytes = kNameLength + 4;
constexpr int kScoreFileBytes = kScorePlaces * kScoreRecordBytes;  // 240

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
