#include "app/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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
        mode = 0666 & ~mode;
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
