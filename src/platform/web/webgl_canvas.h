// The canvas on WebGL 1 (OpenGL ES 2): both areas on one surface, the page's
// canvas element, each drawn into its box of the picture. The matrices are
// the canvas's own; the font and the block pictures are textures of its own.
#pragma once

#include <vector>

#include "assets/ppm.h"
#include "platform/web/matrix.h"
#include "render/canvas.h"

class WebGlCanvas : public Canvas {
  public:
    // Makes the WebGL context on the page's canvas element (`selector`, such
    // as "#canvas") and the canvas's program; false when the browser has no
    // WebGL.
    bool create(const char *selector);

    int largestPicture() const;
    // Makes `image` the picture of block value `block` (1 to 4).
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
    // A corner as the graphics card takes it: already carried through the
    // transform and the projection (clip coordinates), so that shapes drawn
    // under different transforms still go down in one batch.
    struct Vertex {
        float x, y, z, w;
        Rgba colour;
        float s, t;
    };
    // How the fragments of a batch are coloured (the program's uMode).
    enum Shading { Colours = 0, Picture = 1, SharpText = 2, SmoothText = 3 };
    // What the shapes of one batch share: anything else first draws the batch.
    struct Kind {
        unsigned primitive = 0;
        Shading shading = Colours;
        unsigned texture = 0;
        bool operator!=(const Kind &other) const {
            return primitive != other.primitive || shading != other.shading ||
                   texture != other.texture;
        }
    };

    // Shapes of `kind` follow, under `matrix`: the batch so far is drawn first
    // if it is of another kind.
    void queue(const Kind &kind, const Matrix &matrix);
    void add(const Point3 &at, const Rgba &colour, float s = 0, float t = 0);
    // Draws the batch; every change of the drawing's state comes after one.
    void flush();
    unsigned fontTexture();

    int context = 0;
    unsigned program = 0, buffer = 0;
    int uMode = -1;
    unsigned pictures[5] = {};
    unsigned font = 0;
    Matrix projection, model;
    std::vector<Matrix> saved;
    std::vector<Vertex> batch;
    Kind batchKind;
    Matrix adding;  // what add() carries its corners through
    int viewportWidth = 0, viewportHeight = 0;
    double scale = 1;
    float lastSt[2] = {0, 0};  // the picture coordinate last given
};
