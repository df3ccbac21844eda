// The font the game writes with: 8 pixels wide and 13 high, the X Window
// System's "fixed" font, as a table of pixels that every platform draws from.
#pragma once

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
