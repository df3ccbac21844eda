// Reader for raw PPM images (magic "P6"), kept apart from the GL upload so it
// can be tested and fuzzed without a window.
#pragma once

#include <cstdio>
#include <vector>

struct PpmImage {
    int width = 0;
    int height = 0;
    // width * height * 3 bytes, red, green, blue; bottom row first, so that the
    // picture shows upright on a face whose t coordinate rises upward.
    std::vector<unsigned char> pixels;
};

// Largest side accepted; anything bigger is refused before allocating. The
// texture loader lowers it to what the GL driver can hold.
constexpr int kMaxPpmSide = 16384;

// Largest picture accepted in all, a 4096-pixel square (48 MiB of raster): far
// more than a block needs, and a bound on what a header of a few bytes can make
// the reader allocate, since a short raster is padded out to the full size.
constexpr long long kMaxPpmPixels = 4096LL * 4096;

// Skips whitespace and comment lines ("#" to the end of the line, any length)
// so that the stream stands at the first character of the next token.
void skipComments(FILE *file);

// Reads an open stream. Returns 1 and fills `image` on success, 0 when the
// data is not a usable raw PPM, either side exceeds maxSide or the picture has
// more than kMaxPpmPixels; `why`, when given, then names the reason.
int readPpm(FILE *file, PpmImage &image, int maxSide = kMaxPpmSide, const char **why = nullptr);

// Opens, reads and closes `path`. Returns 0 when it cannot be opened, is not a
// regular file (a pipe or a device is refused without waiting on it) or cannot
// be read as above.
int readPpmFile(const char *path, PpmImage &image, int maxSide = kMaxPpmSide,
                const char **why = nullptr);
