// Reading the block pictures: what the reader accepts, what it refuses, and how
// it lays the pixels out.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "assets/ppm.h"

namespace {

// Runs the reader over an in-memory file.
int readText(const std::string &bytes, PpmImage &image) {
    FILE *file = fmemopen(const_cast<char *>(bytes.data()), bytes.size(), "rb");
    const int ok = readPpm(file, image);
    std::fclose(file);
    return ok;
}

std::string raster(int pixels, char value) { return std::string(pixels * 3, value); }

TEST(PpmReader, AcceptsCommentsBetweenAllFieldsAndMaximaUpTo255) {
    const std::string headers[] = {
        "P6\n# made by hand\n4\n# two\n1\n# three\n255\n",
        "  P6\t4\n1 # " + std::string(500, 'x') + " 9 9 9\n15\n",  // longer than any buffer
    };
    for (const std::string &header : headers) {
        PpmImage image;
        ASSERT_EQ(readText(header + raster(4, 7), image), 1) << header;
        EXPECT_EQ(image.width * 10 + image.height, 41);
        EXPECT_EQ(image.pixels, std::vector<unsigned char>(12, 7));  // unscaled
    }
}

TEST(PpmReader, RefusesOtherFormatsAndBadHeaders) {
    const std::string refused[] = {
        "P3 4 1 255\n0 0 0 0 0 0 0 0 0 0 0 0\n",
        "P5 4 1 255\n" + std::string(4, 'a'),
        "# comment before the magic\nP6 4 1 255\n" + raster(4, 0),
        "P6 4",          // height missing
        "P6 x 1 255\n",  // not a number
        "P6 4 1 ff\n",
        "P6 4 1 256\n" + raster(4, 1),
        "P6 0 1 255\n",
        "P6 4 0 255\n",
        "P6 -4 1 255\n",
        "P6 4 -1 255\n",
        "P6 99999999999999999999 1 255\n",  // would overflow
        "P6 16385 1 255\n",                 // beyond the sane bound
        "P6 16384 16385 255\n",
        "P6 16384 16384 255\n",  // 19 bytes that would take 768 MiB
    };
    for (const std::string &text : refused) {
        PpmImage image;
        EXPECT_EQ(readText(text, image), 0) << text;
        EXPECT_TRUE(image.pixels.empty()) << text;
    }
    // A pipe or a device is refused at once, not read or waited on.
    const std::string fifo = testing::TempDir() + "tw_fifo.ppm";
    unlink(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string &path : {fifo, std::string("/dev/zero"), std::string("/nonexistent")}) {
        PpmImage image;
        const char *why = "";
        EXPECT_EQ(readPpmFile(path.c_str(), image, kMaxPpmSide, &why), 0);
        EXPECT_STREQ(why,
                     path == "/nonexistent" ? "No such file or directory" : "not a regular file");
    }
    unlink(fifo.c_str());
}

TEST(PpmReader, TopRowGoesLastAndAShortRasterIsPaddedWithWhite) {
    // 3 by 2, one pixel short: the file's top row (1s) ends up last in the
    // buffer, and the missing pixel at the end of the bottom row reads 255.
    PpmImage image;
    ASSERT_EQ(readText("P6 3 2 255\n" + raster(3, 1) + raster(2, 2), image), 1);
    std::vector<unsigned char> expected(6, 2);
    expected.resize(9, 255);
    expected.resize(18, 1);
    EXPECT_EQ(image.pixels, expected);
}

}  // namespace
