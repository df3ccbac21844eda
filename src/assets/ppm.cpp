#include "assets/ppm.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>

namespace {

// Reads a header number: decimal digits only, at most kMaxPpmSide * 16 so that
// no arithmetic on it can overflow. Returns 0 when there is no such number.
int readHeaderNumber(FILE *file, int &value) {
    int c = std::getc(file);
    if (c == EOF || !std::isdigit(c)) return 0;
    long long number = 0;
    while (c != EOF && std::isdigit(c)) {
        number = number * 10 + (c - '0');
        if (number > static_cast<long long>(kMaxPpmSide) * 16) return 0;
        c = std::getc(file);
    }
    if (c != EOF) std::ungetc(c, file);
    value = static_cast<int>(number);
    return 1;
}

// Names the reason for a refused picture, when the caller asked, and returns 0.
int refuseWith(const char **why, const char *reason) {
    if (why != nullptr) *why = reason;
    return 0;
}

}  // namespace

void skipComments(FILE *file) {
    for (;;) {
        int c;
        do c = std::getc(file);
        while (c != EOF && std::isspace(c));
        if (c != '#') {
            if (c != EOF) std::ungetc(c, file);
            return;
        }
        // A comment runs to the end of its line, however long the line is.
        do c = std::getc(file);
        while (c != EOF && c != '\n');
    }
}

int readPpm(FILE *file, PpmImage &image, int maxSide, const char **why) {
    auto refuse = [why](const char *reason) { return refuseWith(why, reason); };
    // The magic is the first token, whitespace before it allowed, no comment.
    char cookie[3] = {};
    if (std::fscanf(file, "%2s", cookie) != 1 || std::strcmp(cookie, "P6") != 0)
        return refuse("not a binary PPM (P6) picture");

    int width = 0, height = 0, maxComp = 0;
    skipComments(file);
    if (!readHeaderNumber(file, width)) return refuse("bad width in the header");
    skipComments(file);
    if (!readHeaderNumber(file, height)) return refuse("bad height in the header");
    skipComments(file);
    if (!readHeaderNumber(file, maxComp)) return refuse("bad maximum value in the header");
    // Checked before anything is allocated: the header alone decides how much
    // memory the picture takes, however little data follows it.
    if (width <= 0 || height <= 0 || width > maxSide || height > maxSide ||
        static_cast<long long>(width) * height > kMaxPpmPixels)
        return refuse("size out of bounds");
    if (maxComp > 255) return refuse("maximum value above 255");
    std::getc(file);  // the single whitespace byte that ends the header

    const size_t rowBytes = static_cast<size_t>(width) * 3;
    image.width = width;
    image.height = height;
    image.pixels.assign(rowBytes * static_cast<size_t>(height), 0);

    // The file's top row goes last in the buffer. A raster that ends early is
    // padded with 255, the end-of-file value cut to a byte.
    bool ended = false;
    for (int y = height - 1; y >= 0; --y) {
        unsigned char *row = image.pixels.data() + rowBytes * static_cast<size_t>(y);
        if (!ended) {
            const size_t got = std::fread(row, 1, rowBytes, file);
            if (got < rowBytes) {
                ended = true;
                std::memset(row + got, 255, rowBytes - got);
            }
        } else {
            std::memset(row, 255, rowBytes);
        }
    }
    return 1;
}

int readPpmFile(const char *path, PpmImage &image, int maxSide, const char **why) {
    // Opened without waiting, so that a pipe or a device in the picture's
    // place cannot hold up the start, and then refused for what it is.
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return refuseWith(why, std::strerror(errno));
    struct stat info;
    FILE *file = nullptr;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || (file = fdopen(fd, "rb")) == nullptr) {
        close(fd);
        return refuseWith(why, "not a regular file");
    }
    const int ok = readPpm(file, image, maxSide, why);
    std::fclose(file);
    return ok;
}
