// Where the game's 800 by 600 picture lies in a window of any size. The whole
// picture, control panel and tunnel view together, is scaled by
// s = min(width / 800, height / 600) and centred; the margins are the panel's
// grey. At 800 by 600 it is the window itself, pixel for pixel.
#pragma once

struct WindowLayout {
    double scale = 1;
    int windowWidth = 800, windowHeight = 600;  // the whole window, in pixels
    int left = 0, top = 0;                      // the picture's top-left corner (y down)
    int width = 800, height = 600;              // the picture, in window pixels
};

// A rectangle of window pixels, from its top-left corner (y down).
struct WindowBox {
    int x, y, width, height;
};

// The layout of a window of that size (any size down to 1 by 1 pixel).
WindowLayout layoutFor(int windowWidth, int windowHeight);

// The tunnel view's box in the window: at (170, 0) from the picture's top-left
// corner, 630 by 500, scaled, and reaching the picture's right edge.
WindowBox viewBox(const WindowLayout &layout);

// The picture point under window pixel (x, y) (y down from the window's top):
// picture points count up from the picture's bottom-left corner, as the panel
// draws them (at 800 by 600, (x, 600 - y)). False for a point in the window's
// margins, which belong to nothing.
bool picturePointAt(const WindowLayout &layout, int x, int y, int &px, int &py);

// Lines (outlines, cube edges, the tunnel's corners) as wide as the scale, in
// whole pixels: 1 up to 1.5 times the picture's size, 2 up to 2.5 times...
int lineWidth(const WindowLayout &layout);
