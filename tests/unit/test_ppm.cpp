// Reading the block pictures: what the reader accepts, what it refuses, and how
// it lays the pixels out.
#include <gtest/gtest.h>

#include <string>

#include "assets/ppm.h"

namespace {

std::string px(int pixels, char value) { return std::string(pixels * 3, value); }

// Bottom row first, rows of one byte value each; "" for a refused file.
const struct {
    std::string bytes, pixels;
} kCases[] = {
    // Comments between all fields, however long; maxima up to 255, unscaled.
    {"P6\n# made by hand\n4\n# two\n1\n# three\n255\n" + px(4, 7), px(4, 7)},
    {"  P6\t4\n1 # " + std::string(500, 'x') + " 9 9 9\n15\n" + px(4, 7), px(4, 7)},
    {"P6 1 1 255\n" + px(1, 7), px(1, 7)},  // the smallest picture there is
    // The file's top row goes last; a short raster is padded with white, whole
    // rows included.
    {"P6 3 2 255\n" + px(3, 1) + px(2, 2), px(2, 2) + px(1, '\xff') + px(3, 1)},
    {"P6 2 3 255\n" + px(1, 1), px(4, '\xff') + px(1, 1) + px(1, '\xff')},
    {"P5 4 1 255\n" + std::string(4, 'a'), ""},
    {"# comment before the magic\nP6 4 1 255\n" + px(4, 0), ""},
    {"P6 4", ""},
    {"P6 x 1 255\n", ""},
    {"P6 4 1 ff\n", ""},
    {"P6 4 1 256\n" + px(4, 1), ""},
    {"P6 0 1 255\n", ""},
    {"P6 4 0 255\n", ""},
    {"P6 4 -1 255\n", ""},
    {"P6 99999999999999999999 1 255\n", ""},  // would overflow
    {"P6 16385 1 255\n", ""},                 // beyond the sane bound
    {"P6 16384 16385 255\n", ""},
    {"P6 16384 16384 255\n", ""},  // 19 bytes that would take 768 MiB
};

TEST(PpmReader, AcceptsCommentsAndShortRastersRefusesTheRest) {
    for (const auto &c : kCases) {
        PpmImage image;
        EXPECT_EQ(readPpm(c.bytes, image), c.pixels.empty() ? 0 : 1) << c.bytes;
        EXPECT_EQ(std::string(image.pixels.begin(), image.pixels.end()), c.pixels) << c.bytes;
    }
}

}  // namespace
