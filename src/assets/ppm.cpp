#include "assets/ppm.h"

#include <cctype>
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

int readPpm(FILE *file, PpmImage &image, int maxSide) {
    // The magic is the first token, whitespace before it allowed, no comment.
    char cookie[3] = {};
    if (std::fscanf(file, "%2s", cookie) != 1 || std::strcmp(cookie, "P6") != 0) return 0;

    int width = 0, height = 0, maxComp = 0;
    skipComments(file);
    if (!readHeaderNumber(file, width)) return 0;
    skipComments(file);
    if (!readHeaderNumber(file, height)) return 0;
    skipComments(file);
    if (!readHeaderNumber(file, maxComp)) return 0;
    if (width <= 0 || height <= 0 || width > maxSide || height > maxSide) return 0;
    if (maxComp > 255) return 0;
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

int readPpmFile(const char *path, PpmImage &image) {
    FILE *file = std::fopen(path, "rb");
    if (file == nullptr) return 0;
    const int ok = readPpm(file, image);
    std::fclose(file);
    return ok;
}
