#include "scores/score_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/file_io.h"
#include "app/paths.h"

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

int scoreLockWaitMs = 5000;

namespace {

constexpr int kLockNapMs = 20;

// The file the table's name leads to. A player may keep the table elsewhere (a
// synced folder) behind a link: the save must go to the link's target, so that
// the link stays. Followed link by link, so that a link to a table not made yet
// still names where it is to go.
std::string followLinks(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        char target[4096];
        const ssize_t n = readlink(path.c_str(), target, sizeof target);
        if (n <= 0 || static_cast<std::size_t>(n) == sizeof target) break;  // no link: the file
        const std::string to(target, static_cast<std::size_t>(n));
        if (to[0] == '/') {
            path = to;
        } else {
            path = folderOf(path);
            path += to;
        }
    }
    return path;
}

// An exclusive lock on the lock file beside the table, which every game takes
// for the length of a save. Waits a few seconds for another game's save to
// end; -1 with errno when the lock cannot be had.
int lockTable(const std::string &table) {
    const int fd =
        open((table + ".lock").c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return -1;
    for (int waited = 0; flock(fd, LOCK_EX | LOCK_NB) != 0; waited += kLockNapMs) {
        if (errno != EWOULDBLOCK || waited >= scoreLockWaitMs) {
            const int err = errno;
            close(fd);
            errno = err;
            return -1;
        }
        usleep(kLockNapMs * 1000);
    }
    return fd;
}

}  // namespace

int updateScoreFile(const std::function<bool(HighScoreEntry *, int)> &change) {
    // The table's folder is made here if it is still missing, so that a save
    // that cannot make it says why.
    if (makeFolders(folderOf(kScoreFileName)) != 0) return 0;
    const std::string target = followLinks(kScoreFileName);
    const int lock = lockTable(target);
    if (lock < 0) return 0;
    // Read again under the lock: another game may have saved since this one
    // last read the table, and its records must be kept. A table that is there
    // but cannot be read (no permission, a failing disk) may still hold a
    // player's scores: it is never replaced.
    HighScoreEntry table[kScorePlaces] = {};
    const int got = readScoreFile(table);
    int ok = 0;
    if (got >= 0 || errno == ENOENT) {
        ok = 1;
        if (change(table, got)) {
            unsigned char bytes[kScoreFileBytes];
            encodeScores(table, bytes);
            ok = replaceFile(target, bytes, sizeof bytes);
        }
    }
    const int err = errno;
    close(lock);  // the lock goes with it
    errno = err;
    return ok;
}

const char *describeSaveError(int err) {
    return err == EWOULDBLOCK ? "another game is saving to it" : std::strerror(err);
}

void formatScoreLine(char nbuf[kScoreLineSize], int place, const HighScoreEntry &entry) {
    std::snprintf(nbuf, kScoreLineSize, "%2d.  %s  ->  %6d", place, entry.name, entry.score);
}
