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

// Largest side accepted; anything bigger is refused before allocating.
constexpr int kMaxPpmSide = 16384;

// Skips whitespace and comment lines ("#" to the end of the line, any length)
// so that the stream stands at the first character of the next token.
void skipComments(FILE *file);

// Reads an open stream. Returns 1 and fills `image` on success, 0 when the
// data is not a usable raw PPM or either side exceeds maxSide.
int readPpm(FILE *file, PpmImage &image, int maxSide = kMaxPpmSide);

// Opens, reads and closes `path`. Returns 0 when it cannot be opened or read.
int readPpmFile(const char *path, PpmImage &image);
