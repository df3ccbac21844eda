// libFuzzer target: the block-picture reader on arbitrary bytes.
#include <cstdint>
#include <string>

#include "assets/ppm.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    PpmImage image;
    // A smaller bound than the game's keeps each run fast; the size checks are
    // the same code.
    if (readPpm(bytes, image, 512) == 1) {
        const size_t expected = static_cast<size_t>(image.width) * image.height * 3;
        if (image.width <= 0 || image.height <= 0 || image.pixels.size() != expected)
            __builtin_trap();
    }
    return 0;
}
