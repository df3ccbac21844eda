#include "scores/score_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

void padName(const char *name, char padded[kNameLength + 1]) {
    int n = 0;
    while (n < kNameLength && name[n] != '\0') {
        padded[n] = name[n];
        ++n;
    }
    while (n < kNameLength) padded[n++] = ' ';
    padded[kNameLength] = '\0';
}

int decodeScores(const unsigned char *bytes, std::size_t size, HighScoreEntry table[kScorePlaces]) {
    const int count = static_cast<int>(
        std::min(size / kScoreRecordBytes, static_cast<std::size_t>(kScorePlaces)));
    for (int i = 0; i < count; ++i) {
        const unsigned char *record = bytes + i * kScoreRecordBytes;
        // The name field carries no terminator of its own: add one after its
        // 20 bytes, and the name then ends at the first zero byte, if any.
        char tbuf[kNameLength + 1];
        std::memcpy(tbuf, record, kNameLength);
        tbuf[kNameLength] = '\0';
        std::memcpy(table[i].name, tbuf, sizeof tbuf);  // the name ends at its first zero byte

        const unsigned char *score = record + kNameLength;
        const std::uint32_t raw =
            static_cast<std::uint32_t>(score[0]) | static_cast<std::uint32_t>(score[1]) << 8 |
            static_cast<std::uint32_t>(score[2]) << 16 | static_cast<std::uint32_t>(score[3]) << 24;
        table[i].score = static_cast<std::int32_t>(raw);
    }
    return count;
}

void encodeScores(const HighScoreEntry table[kScorePlaces], unsigned char bytes[kScoreFileBytes]) {
    for (int i = 0; i < kScorePlaces; ++i) {
        unsigned char *record = bytes + i * kScoreRecordBytes;
        char padded[kNameLength + 1];
        padName(table[i].name, padded);
        std::memcpy(record, padded, kNameLength);

        const std::uint32_t raw = static_cast<std::uint32_t>(table[i].score);
        unsigned char *score = record + kNameLength;
        score[0] = static_cast<unsigned char>(raw & 0xFF);
        score[1] = static_cast<unsigned char>(raw >> 8 & 0xFF);
        score[2] = static_cast<unsigned char>(raw >> 16 & 0xFF);
        score[3] = static_cast<unsigned char>(raw >> 24 & 0xFF);
    }
}

void formatScoreLine(char nbuf[kScoreLineSize], int place, const HighScoreEntry &entry) {
    std::snprintf(nbuf, kScoreLineSize, "%2d.  %s  ->  %6d", place, entry.name, entry.score);
}
