// Reader for raw PPM images (magic "P6"), kept apart from the upload to the
// screen so it can be tested and fuzzed without a window.
#pragma once

#include <string>
#include <vector>

struct PpmImage {
    int width = 0;
    int height = 0;
    // width * height * 3 bytes, red, green, blue; bottom row first, so that the
    // picture shows upright on a face whose t coordinate rises upward.
    std::vector<unsigned char> pixels;
};

// Largest side accepted; anything bigger is refused before allocating. The
// caller lowers it to what the screen's driver can hold.
constexpr int kMaxPpmSide = 16384;

// Largest picture accepted in all, a 4096-pixel square (48 MiB of raster): far
// more than a block needs, and a bound on what a header of a few bytes can make
// the reader allocate, since a short raster is padded out to the full size.
constexpr long long kMaxPpmPixels = 4096LL * 4096;

// The largest file a picture can take up: a whole raster of the largest
// picture and a header (its comments may be long) of up to 1 MiB.
constexpr std::size_t kMaxPpmFileBytes = kMaxPpmPixels * 3 + (1 << 20);

// Reads a picture from the bytes of its file. Returns 1 and fills `image` on
// success, 0 when the data is not a usable raw PPM, either side exceeds maxSide
// or the picture has more than kMaxPpmPixels; `why`, when given, then names the
// reason. Whitespace and comment lines ("#" to the end of the line, any
// length) may stand between the header's fields, but not before the magic.
int readPpm(const std::string &bytes, PpmImage &image, int maxSide = kMaxPpmSide,
            const char **why = nullptr);
