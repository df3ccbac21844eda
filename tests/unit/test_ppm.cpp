// Reading the block pictures: what the reader accepts, what it refuses, and how
// it lays the pixels out.
#include <gtest/gtest.h>

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

std::string raster(int pixels, unsigned char value) {
    return std::string(static_cast<size_t>(pixels) * 3, static_cast<char>(value));
}

TEST(PpmReader, HeadersWithCommentsAnywhereBeforeTheMaximum) {
    const std::string longComment = "# " + std::string(500, 'x') + " 9 9 9\n";
    const std::string headers[] = {
        "P6\n# made by hand\n4 1\n255\n", "P6\n# one\n4\n# two\n1\n255\n",
        "P6 4 1\n# between height and maximum\n255\n",
        "  P6\t4\n1 " + longComment + "255\n",  // a comment longer than any buffer
    };
    for (const std::string &header : headers) {
        PpmImage image;
        ASSERT_EQ(readText(header + raster(4, 7), image), 1) << header;
        EXPECT_EQ(image.width, 4);
        EXPECT_EQ(image.height, 1);
        EXPECT_EQ(image.pixels, std::vector<unsigned char>(12, 7));
    }
}

TEST(PpmReader, MaximumValueUpTo255IsUsedUnscaled) {
    PpmImage image;
    EXPECT_EQ(readText("P6 4 1 255\n" + raster(4, 200), image), 1);
    EXPECT_EQ(readText("P6 4 1 15\n" + raster(4, 9), image), 1);
    EXPECT_EQ(image.pixels[0], 9);
    EXPECT_EQ(readText("P6 4 1 256\n" + raster(4, 1), image), 0);
    EXPECT_EQ(readText("P6 4 1 65535\n" + raster(8, 1), image), 0);
}

TEST(PpmReader, RefusesOtherFormatsAndBadHeaders) {
    const std::string refused[] = {
        "P3 4 1 255\n0 0 0 0 0 0 0 0 0 0 0 0\n",
        "P5 4 1 255\n" + std::string(4, 'a'),
        "# comment before the magic\nP6 4 1 255\n" + raster(4, 0),
        "",
        "P6",
        "P6 4",          // height missing
        "P6 x 1 255\n",  // not a number
        "P6 4 1 ff\n",
        "P6 0 1 255\n",  // empty picture
        "P6 4 0 255\n",
        "P6 -4 1 255\n",  // negative size
        "P6 4 -1 255\n",
        "P6 99999999999999999999 1 255\n",  // would overflow
        "P6 16385 1 255\n",                 // beyond the sane bound
        "P6 16384 16385 255\n",
    };
    for (const std::string &text : refused) {
        PpmImage image;
        EXPECT_EQ(readText(text, image), 0) << text;
        EXPECT_TRUE(image.pixels.empty()) << text;
    }
}

TEST(PpmReader, TopRowOfTheFileEndsUpLastInTheBuffer) {
    std::string file = "P6 4 2 255\n";
    for (int i = 0; i < 4; ++i) file += std::string("\xff\x00\x00", 3);  // top row red
    for (int i = 0; i < 4; ++i) file += std::string("\x00\x00\xff", 3);  // bottom row blue
    PpmImage image;
    ASSERT_EQ(readText(file, image), 1);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(image.pixels[i * 3 + 2], 255) << "buffer row 0 is the bottom (blue) row";
        EXPECT_EQ(image.pixels[12 + i * 3 + 0], 255) << "buffer row 1 is the top (red) row";
        EXPECT_EQ(image.pixels[12 + i * 3 + 2], 0);
    }
}

TEST(PpmReader, ShortRasterIsPaddedWithWhite) {
    // 3 by 2, three bytes short: the file's last pixel (buffer row 0, last
    // column) reads as 255s, everything before it as stored.
    PpmImage image;
    ASSERT_EQ(readText("P6 3 2 255\n" + raster(5, 10), image), 1);
    ASSERT_EQ(image.pixels.size(), 18u);
    for (int i = 0; i < 18; ++i) EXPECT_EQ(image.pixels[i], i >= 6 && i < 9 ? 255 : 10) << i;

    // Odd widths read without skew: each row is exactly width * 3 bytes.
    std::string odd = "P6 5 3 255\n";
    for (int row = 0; row < 3; ++row) odd += raster(5, static_cast<unsigned char>(row + 1));
    ASSERT_EQ(readText(odd, image), 1);
    EXPECT_EQ(image.pixels.front(), 3);
    EXPECT_EQ(image.pixels[15], 2);
    EXPECT_EQ(image.pixels.back(), 1);
}

TEST(PpmReader, MissingFileIsRefusedQuietly) {
    PpmImage image;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_EQ(readPpmFile("/nonexistent/red.ppm", image), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
