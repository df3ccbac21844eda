#include "render/font.h"

std::vector<unsigned char> fontAtlas() {
    std::vector<unsigned char> alpha(kAtlasSide * kAtlasSide, 0);
    for (int c = 0; c < 256; ++c)
        for (int row = 0; row < kGlyphHeight; ++row)
            for (int x = 0; x < kGlyphWidth; ++x)
                if ((kFont.rows[c][row] >> x & 1) != 0)
                    alpha[(c / kAtlasCellsPerSide * kAtlasCell + kAtlasPen - kGlyphDescent + row) *
                              kAtlasSide +
                          c % kAtlasCellsPerSide * kAtlasCell + kAtlasPen + x] = 255;
    return alpha;
}
