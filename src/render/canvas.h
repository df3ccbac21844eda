// The small drawing interface every picture of the game is drawn through.
// The game's drawing code says what to draw (quads, lines, triangles, text,
// the block pictures) and a platform's canvas says how: OpenGL's fixed
// pipeline on the desktop, for one. Nothing here asks for more than a
// triangle rasteriser with blending and a depth buffer can give.
#pragma once

#include "render/window_layout.h"

struct Rgba {
    float r, g, b, a;
};

struct Point3 {
    float x, y, z;
};

// The two areas of the picture, each begun and ended as a frame of its own
// (on the desktop each is a window; elsewhere they may share one surface).
enum class Area {
    // The whole 800 by 600 picture, the control panel's, in picture points
    // (x right and y up from its bottom-left corner), depths from -50 to 50.
    // Its background fills the window's margins too.
    Panel,
    // The tunnel view's box (kViewLeft..800, kViewBottom..600), seen in
    // perspective: the eye at the origin looking down -z, the edges of the box
    // at x and y of -1 and 1 at a depth of 1.5, nothing nearer than that or
    // farther than 20.
    View,
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    // Begins a frame of `area` in a window laid out as `layout`: the area
    // cleared to `background` and its depths to the farthest, no transform, no
    // blending, no depth test. Lines are as wide as the layout's scale.
    virtual void begin(Area area, const WindowLayout &layout, Rgba background) = 0;
    // Shows the frame.
    virtual void end() = 0;

    // Translucent colours laid over what lies behind them (alpha blending);
    // and points hidden behind nearer ones already drawn (the depth test).
    virtual void setBlending(bool on) = 0;
    virtual void setDepthTest(bool on) = 0;

    // The transform of the points drawn next, last in first applied, kept on a
    // stack: push saves it, pop gives back the one saved.
    virtual void push() = 0;
    virtual void pop() = 0;
    virtual void translate(float x, float y, float z) = 0;
    virtual void rotate(float degrees, float x, float y, float z) = 0;

    // `count` quads of four corners each (a convex outline, in order round it),
    // each filled with one colour, or outlined with lines one pixel a scale
    // wide; `count` lines of two ends; `count` triangles of three corners.
    virtual void fillQuads(const Point3 *corners, const Rgba *colours, int count) = 0;
    virtual void outlineQuads(const Point3 *corners, const Rgba *colours, int count) = 0;
    virtual void lines(const Point3 *ends, const Rgba *colours, int count) = 0;
    virtual void triangles(const Point3 *corners, const Rgba *colours, int count) = 0;
    // `count` quads showing the picture of block value `block` (1 to 4), each
    // corner at a point of the picture (s, t from 0 to 1, t upward); a corner
    // with s below 0 takes the point of the last corner given one, in this or
    // an earlier call ((0, 0) before any). Quads turned away from the eye
    // (their corners clockwise on the screen) are not drawn: they are the
    // hidden faces of a solid.
    virtual void pictureQuads(const Point3 *corners, const float (*st)[2], int count,
                              int block) = 0;

    // A line of text in `colour`, the pen starting at (x, y): picture points
    // from the area's bottom-left corner, whatever the transform. Each
    // character is the font's (render/font.h) at the pixel where the pen
    // stands, rounded down, each of its pixels `size` picture pixels square.
    // Where the picture is shown smaller than its own size, the characters
    // are shrunk with their strokes blended in, never dropped.
    virtual void text(float x, float y, Rgba colour, const char *line, int size) = 0;
    void text(float x, float y, Rgba colour, const char *line) { text(x, y, colour, line, 1); }
};
