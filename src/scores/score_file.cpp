#include "scores/score_file.h"

#include <unistd.h>

#include <cerrno>
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
    if (size < static_cast<std::size_t>(kScoreFileBytes)) return 0;
    for (int i = 0; i < kScorePlaces; ++i) {
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
    return 1;
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

int readScoreFile(HighScoreEntry table[kScorePlaces]) {
    std::FILE *file = std::fopen(kScoreFileName, "rb");
    if (file == nullptr) return 0;
    unsigned char bytes[kScoreFileBytes];
    const std::size_t got = std::fread(bytes, 1, sizeof bytes, file);
    std::fclose(file);
    return decodeScores(bytes, got, table);
}

namespace {

// Writes, flushes and closes; 0 if any step failed, with errno holding the
// reason of the first step that failed. The file is closed either way.
int writeAndClose(std::FILE *file, const unsigned char *bytes, std::size_t size) {
    int ok = std::fwrite(bytes, 1, size, file) == size;
    ok = ok && std::fflush(file) == 0;
    ok = ok && fsync(fileno(file)) == 0;
    const int reason = errno;
    const int closed = std::fclose(file) == 0;  // sets errno only when it fails
    if (!ok) errno = reason;
    return ok && closed;
}

}  // namespace

int saveScoreFile(const HighScoreEntry table[kScorePlaces]) {
    unsigned char bytes[kScoreFileBytes];
    encodeScores(table, bytes);

    // Only ever write the temporary file: a save that breaks off part way
    // must not cost the player the table that was there before.
    std::FILE *file = std::fopen(kScoreTempName, "wb");
    if (file == nullptr) return 0;
    if (!writeAndClose(file, bytes, sizeof bytes) ||
        std::rename(kScoreTempName, kScoreFileName) != 0) {
        const int reason = errno;  // the player is told this, not how the cleanup went
        std::remove(kScoreTempName);
        errno = reason;
        return 0;
    }
    return 1;
}

void formatScoreLine(char nbuf[kScoreLineSize], int place, const HighScoreEntry &entry) {
    std::snprintf(nbuf, kScoreLineSize, "%2d.  %s  ->  %6d", place, entry.name, entry.score);
}
