#include "assets/ppm.h"

#include <cctype>
#include <cstring>

namespace {

// The bytes of the file, read from the front.
struct Cursor {
    const std::string &bytes;
    std::size_t at = 0;

    bool atEnd() const { return at == bytes.size(); }
    int peek() const { return atEnd() ? -1 : static_cast<unsigned char>(bytes[at]); }
};

bool isSpace(int c) { return c >= 0 && std::isspace(c); }
bool isDigit(int c) { return c >= 0 && std::isdigit(c); }

// Skips whitespace and comment lines so that the cursor stands at the first
// character of the next token.
void skipComments(Cursor &in) {
    for (;;) {
        while (isSpace(in.peek())) ++in.at;
        if (in.peek() != '#') return;
        // A comment runs to the end of its line, however long the line is.
        while (!in.atEnd() && in.bytes[in.at] != '\n') ++in.at;
    }
}

// Reads a header number: decimal digits only, at most kMaxPpmSide * 16 so that
// no arithmetic on it can overflow. Returns 0 when there is no such number.
int readHeaderNumber(Cursor &in, int &value) {
    if (!isDigit(in.peek())) return 0;
    long long number = 0;
    while (isDigit(in.peek())) {
        number = number * 10 + (in.peek() - '0');
        if (number > static_cast<long long>(kMaxPpmSide) * 16) return 0;
        ++in.at;
    }
    value = static_cast<int>(number);
    return 1;
}

}  // namespace

int readPpm(const std::string &bytes, PpmImage &image, int maxSide, const char **why) {
    auto refuse = [why](const char *reason) {
        if (why != nullptr) *why = reason;
        return 0;
    };
    // The magic is the first token, whitespace before it allowed, no comment.
    Cursor in{bytes};
    while (isSpace(in.peek())) ++in.at;
    std::string cookie;
    while (cookie.size() < 2 && !in.atEnd() && !isSpace(in.peek())) cookie += bytes[in.at++];
    if (cookie != "P6") return refuse("not a binary PPM (P6) picture");

    int width = 0, height = 0, maxComp = 0;
    skipComments(in);
    if (!readHeaderNumber(in, width)) return refuse("bad width in the header");
    skipComments(in);
    if (!readHeaderNumber(in, height)) return refuse("bad height in the header");
    skipComments(in);
    if (!readHeaderNumber(in, maxComp)) return refuse("bad maximum value in the header");
    // Checked before anything is allocated: the header alone decides how much
    // memory the picture takes, however little data follows it.
    if (width <= 0 || height <= 0 || width > maxSide || height > maxSide ||
        static_cast<long long>(width) * height > kMaxPpmPixels)
        return refuse("size out of bounds");
    if (maxComp > 255) return refuse("maximum value above 255");
    if (!in.atEnd()) ++in.at;  // the single whitespace byte that ends the header

    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    image.width = width;
    image.height = height;
    // A raster that ends early is padded with 255.
    image.pixels.assign(rowBytes * static_cast<std::size_t>(height), 255);
    // The file's top row goes last in the buffer.
    for (int y = height - 1; y >= 0 && !in.atEnd(); --y) {
        const std::size_t got = std::min(rowBytes, bytes.size() - in.at);
        std::memcpy(image.pixels.data() + rowBytes * static_cast<std::size_t>(y),
                    bytes.data() + in.at, got);
        in.at += got;
    }
    return 1;
}
