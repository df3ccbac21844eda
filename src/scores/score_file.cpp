#include "scores/score_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
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

int readScoreFile(HighScoreEntry table[kScorePlaces]) {
    // Opened without waiting, so that a pipe in the table's place cannot hold
    // the game up.
    const int fd = open(kScoreFileName, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    unsigned char bytes[kScoreFileBytes];
    std::size_t got = 0;
    ssize_t n = 1;
    while (got < sizeof bytes && (n = read(fd, bytes + got, sizeof bytes - got)) > 0)
        got += static_cast<std::size_t>(n);
    const int err = errno;
    close(fd);
    errno = err;
    return n < 0 ? -1 : decodeScores(bytes, got, table);
}

namespace {

// Writes, flushes to disk and closes; 0 if any step failed, with errno from
// the first failure. The file is closed either way.
int writeAndClose(int fd, const unsigned char *bytes, std::size_t size) {
    std::size_t done = 0;
    ssize_t n = 1;
    while (done < size && (n = write(fd, bytes + done, size - done)) > 0)
        done += static_cast<std::size_t>(n);
    const bool ok = done == size && fsync(fd) == 0;
    const int err = errno;
    const bool closed = close(fd) == 0;
    if (!ok) errno = err;
    return ok && closed;
}

}  // namespace

int saveScoreFile(const HighScoreEntry table[kScorePlaces]) {
    // A table that is there but cannot be read (no permission, a failing disk)
    // may still hold a player's scores: it is never replaced.
    HighScoreEntry current[kScorePlaces];
    if (readScoreFile(current) < 0 && errno != ENOENT) return 0;

    unsigned char bytes[kScoreFileBytes];
    encodeScores(table, bytes);
    // Only ever write the temporary file: a save that breaks off part way
    // must not cost the player the table that was there before. The file is
    // made afresh, never through a link planted in its place; one left over
    // from a save that was cut short is removed first.
    unlink(kScoreTempName);
    const int fd = open(kScoreTempName, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return 0;
    if (writeAndClose(fd, bytes, sizeof bytes) && std::rename(kScoreTempName, kScoreFileName) == 0)
        return 1;
    const int err = errno;  // the reason of the step that failed, for the caller
    unlink(kScoreTempName);
    errno = err;
    return 0;
}

void formatScoreLine(char nbuf[kScoreLineSize], int place, const HighScoreEntry &entry) {
    std::snprintf(nbuf, kScoreLineSize, "%2d.  %s  ->  %6d", place, entry.name, entry.score);
}
