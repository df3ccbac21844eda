#include "platform/posix/storage.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

int makeFolders(const std::string &path) {
    struct stat info;
    if (path.empty() || stat(path.c_str(), &info) == 0) return 0;
    // Private to the player, as the data folders of a home directory should be.
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        if (mkdir(path.substr(0, slash).c_str(), 0700) != 0 && errno != EEXIST) return -1;
    }
    return 0;
}

std::string folderOf(const std::string &path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

int readSmallFile(const std::string &path, std::string &bytes, std::size_t limit) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return 0;
    struct stat info;
    int err = 0;
    if (fstat(fd, &info) != 0)
        err = errno;
    else if (S_ISDIR(info.st_mode))
        err = EISDIR;
    else if (!S_ISREG(info.st_mode))
        err = EINVAL;
    else if (static_cast<std::size_t>(info.st_size) > limit)
        err = EFBIG;
    bytes.clear();
    if (err == 0) bytes.reserve(static_cast<std::size_t>(info.st_size));
    char chunk[4096];
    ssize_t n = 1;
    while (err == 0 && bytes.size() <= limit && (n = read(fd, chunk, sizeof chunk)) > 0)
        bytes.append(chunk, static_cast<std::size_t>(n));
    if (err == 0 && n < 0) err = errno;
    if (err == 0 && bytes.size() > limit) err = EFBIG;  // it grew meanwhile
    close(fd);
    errno = err;
    return err == 0;
}

namespace {

// Writes, flushes to disk and closes; 0 if any step failed, with errno from
// the first failure. The file is closed either way.
int writeAndClose(int fd, const char *bytes, std::size_t size) {
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

int replaceFile(const std::string &target, const void *bytes, std::size_t size) {
    struct stat info;
    mode_t mode = 0;
    if (stat(target.c_str(), &info) == 0) {
        mode = info.st_mode & 07777;
    } else {
        mode = umask(0);
        umask(mode);
        // The player's own file stays theirs to read and write, whatever the
        // mask asks (emscripten's masks everything).
        mode = (0666 & ~mode) | 0600;
    }
    std::string temp = target + ".XXXXXX";
    const int fd = mkostemp(&temp[0], O_CLOEXEC);
    if (fd < 0) return 0;
    fchmod(fd, mode);
    if (writeAndClose(fd, static_cast<const char *>(bytes), size) &&
        rename(temp.c_str(), target.c_str()) == 0) {
        const std::string folder = folderOf(target);
        const int dir =
            open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            fsync(dir);
            close(dir);
        }
        return 1;
    }
    const int err = errno;  // the reason of the step that failed, for the caller
    unlink(temp.c_str());
    errno = err;
    return 0;
}

namespace {

constexpr int kLockNapMs = 20;

// The file that `path` leads to. A player may keep a file elsewhere (a synced
// folder) behind a link: a write must go to the link's target, so that the
// link stays. Followed link by link, so that a link to a file not made yet
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

// An exclusive lock on the lock file beside `file`, which every game takes for
// the length of a write. Waits up to `waitMs` for another game's write to end,
// in short naps; -1 with errno when the lock cannot be had.
int lockFile(const std::string &file, int waitMs) {
    const int fd =
        open((file + ".lock").c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return -1;
    for (int waited = 0; flock(fd, LOCK_EX | LOCK_NB) != 0; waited += kLockNapMs) {
        if (errno != EWOULDBLOCK || waited >= waitMs) {
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

int updateLocalFile(const std::string &path, std::size_t limit, int lockWaitMs,
                    const std::function<bool(std::string &bytes, bool exists)> &change) {
    // The folder is made here if it is still missing, so that a write that
    // cannot make it says why.
    if (makeFolders(folderOf(path)) != 0) return 0;
    const std::string target = followLinks(path);
    const int lock = lockFile(target, lockWaitMs);
    if (lock < 0) return 0;
    // Read again under the lock: another game may have written the file since
    // this one last read it, and what it wrote must be kept.
    std::string bytes;
    const bool exists = readSmallFile(target, bytes, limit) != 0;
    int ok = 0;
    if (exists || errno == ENOENT) {
        ok = 1;
        if (change(bytes, exists)) ok = replaceFile(target, bytes.data(), bytes.size());
    }
    const int err = errno;
    close(lock);  // the lock goes with it
    errno = err;
    return ok;
}

const char *describeFileError(int err) {
    if (err == EINVAL) return "not a regular file";
    return err == EWOULDBLOCK ? "another game is saving to it" : std::strerror(err);
}
