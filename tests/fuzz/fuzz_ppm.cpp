// libFuzzer target: the block-picture reader on arbitrary bytes.
#include <cstdint>
#include <cstdio>

#include "assets/ppm.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size) {
    if (size == 0) return 0;
    FILE *file = fmemopen(const_cast<std::uint8_t *>(data), size, "rb");
    if (file == nullptr) return 0;
    PpmImage image;
    // A smaller bound than the game's keeps each run fast; the size checks are
    // the same code.
    if (readPpm(file, image, 512) == 1) {
        const size_t expected = static_cast<size_t>(image.width) * image.height * 3;
        if (image.width <= 0 || image.height <= 0 || image.pixels.size() != expected)
            __builtin_trap();
    }
    std::fclose(file);
    return 0;
}
