// The canvas on OpenGL's fixed pipeline, as the desktop's GLUT windows have
// it: the panel is the top-level window, the view its sub-window, each with a
// GL context of its own.
#pragma once

#include <vector>

#include "assets/ppm.h"
#include "render/canvas.h"

class GlCanvas : public Canvas {
  public:
    // The GLUT windows the two areas are drawn into.
    void setWindows(int panelWindow, int viewWindow);

    // The largest side of a picture the driver can hold.
    int largestPicture() const;
    // Makes `image` the picture of block value `block` (1 to 4), mipmapped,
    // in the panel's context.
    void loadPicture(int block, const PpmImage &image);

    void begin(Area area, const WindowLayout &layout, Rgba background) override;
    void end() override;
    void setBlending(bool on) override;
    void setDepthTest(bool on) override;
    void push() override;
    void pop() override;
    void translate(float x, float y, float z) override;
    void rotate(float degrees, float x, float y, float z) override;
    void fillQuads(const Point3 *corners, const Rgba *colours, int count) override;
    void outlineQuads(const Point3 *corners, const Rgba *colours, int count) override;
    void lines(const Point3 *ends, const Rgba *colours, int count) override;
    void triangles(const Point3 *corners, const Rgba *colours, int count) override;
    void pictureQuads(const Point3 *corners, const float (*st)[2], int count, int block) override;
    using Canvas::text;
    void text(float x, float y, Rgba colour, const char *line, int size) override;

  private:
    // A character waiting to be drawn: where its cell's corner goes, in picture
    // pixels from the area's corner, and in what colour.
    struct Glyph {
        int x, y;
        int code;
        int size;
        Rgba colour;
    };

    void shapes(unsigned mode, const Point3 *points, int perShape, const Rgba *colours, int count);
    void flushText();
    unsigned fontTexture();

    int windows[2] = {0, 0};  // by Area
    unsigned fontTextures[2] = {0, 0};
    unsigned pictures[5] = {};
    int current = 0;  // the area being drawn
    bool blending = false, depthTest = false;
    // The picture coordinate last given, which a corner without one takes.
    float lastSt[2] = {0, 0};
    double scale = 1;
    std::vector<Glyph> pending;
};
