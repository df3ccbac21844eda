// The font the game writes with: 8 pixels wide and 13 high, the X Window
// System's "fixed" font, as a table of pixels that every platform draws from.
#pragma once

#include <vector>

// A character's pixels lie in a box kGlyphWidth by kGlyphHeight pixels, from
// the pen to the right and from kGlyphDescent pixels below the line's
// baseline up.
constexpr int kGlyphWidth = 8;
constexpr int kGlyphHeight = 13;
constexpr int kGlyphDescent = 2;

struct Font {
    // How far each character moves the pen to the right, in pixels.
    unsigned char advance[256];
    // Each character's box, bottom row first: bit x of a row is the pixel x
    // pixels right of the pen.
    unsigned char rows[256][kGlyphHeight];
};

extern const Font kFont;

// The font as one picture for a graphics card: 16 by 16 cells of kAtlasCell
// pixels, code c in cell (c % 16, c / 16), each character's box where a pen
// standing kAtlasPen pixels in from the cell's bottom-left corner puts it.
constexpr int kAtlasCell = 16;
constexpr int kAtlasCellsPerSide = 16;
constexpr int kAtlasSide = kAtlasCell * kAtlasCellsPerSide;
constexpr int kAtlasPen = 4;

// The atlas's kAtlasSide by kAtlasSide coverage, bottom row first: 255 where
// a character has a pixel, 0 elsewhere.
std::vector<unsigned char> fontAtlas();
