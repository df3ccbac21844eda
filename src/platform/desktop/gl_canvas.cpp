// The canvas on OpenGL 1's fixed pipeline. Its pictures are, pixel for pixel,
// those the game has always drawn: the same primitives in the same order, the
// panel's matrix made as it always was (the orthographic one on the model
// stack), text as GLUT's bitmap font puts it on the screen.
#include "platform/desktop/gl_canvas.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

#include "game/panel_layout.h"
#include "render/font.h"

namespace {

// The font's atlas (render/font.h), in shorter names.
constexpr int kCell = kAtlasCell;
constexpr int kCellsPerSide = kAtlasCellsPerSide;
constexpr int kSide = kAtlasSide;
constexpr int kPen = kAtlasPen;
constexpr float kTexel = 1.0f / kSide;  // exact: kSide is a power of two

// The pixel a text position stands on, with a small allowance for a position
// computed a hair short, as glBitmap has it.
int pixelOf(float coordinate) { return static_cast<int>(std::floor(coordinate + 0.0001f)); }

void colour(const Rgba &c) { glColor4f(c.r, c.g, c.b, c.a); }

void vertex(const Point3 &p) { glVertex3f(p.x, p.y, p.z); }

// Window pixels for the drawing between these two calls, which leave the
// modelview matrix current.
void pushPixelMatrices() {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, viewport[2], 0, viewport[3], -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

void popMatrices() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

}  // namespace

void GlCanvas::setWindows(int panelWindow, int viewWindow) {
    windows[static_cast<int>(Area::Panel)] = panelWindow;
    windows[static_cast<int>(Area::View)] = viewWindow;
}

int GlCanvas::largestPicture() const {
    glutSetWindow(windows[static_cast<int>(Area::Panel)]);
    GLint side = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
    return side;
}

void GlCanvas::loadPicture(int block, const PpmImage &image) {
    glutSetWindow(windows[static_cast<int>(Area::Panel)]);
    glGenTextures(1, &pictures[block]);
    glBindTexture(GL_TEXTURE_2D, pictures[block]);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    // Rows are packed tightly, so any width reads right.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE,
                      image.pixels.data());
}

unsigned GlCanvas::fontTexture() {
    // Each window has a GL context of its own, and so a texture of its own.
    unsigned &texture = fontTextures[current];
    if (texture != 0) return texture;
    const std::vector<unsigned char> alpha = fontAtlas();
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    // The smaller versions serve a picture shown below its own size.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_ALPHA8, kSide, kSide, GL_ALPHA, GL_UNSIGNED_BYTE,
                      alpha.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    return texture;
}

void GlCanvas::begin(Area area, const WindowLayout &layout, Rgba background) {
    current = static_cast<int>(area);
    scale = layout.scale;
    glutSetWindow(windows[current]);
    glLineWidth(static_cast<float>(lineWidth(layout)));
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    depthTest = blending = false;
    // Each primitive has its one colour, flat; only the tunnel's outline, drawn
    // before its translucent cubes, was always shaded smooth, and its greys
    // round to a level lighter that way, so it keeps it.
    glShadeModel(area == Area::View ? GL_SMOOTH : GL_FLAT);
    glClearColor(background.r, background.g, background.b, background.a);
    if (area == Area::Panel) {
        // The clear fills the whole window, so the margins around the scaled
        // picture take the panel's grey; the picture is drawn into its box.
        glViewport(layout.left, layout.windowHeight - layout.top - layout.height, layout.width,
                   layout.height);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glOrtho(0, kPictureWidth, 0, kPictureHeight, -50, 50);
    } else {
        // The sub-window is the view's box: its viewport follows its size.
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glFrustum(-1.0, 1.0, -1.0, 1.0, 1.5, 20.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
}

void GlCanvas::end() {
    flushText();
    glFlush();
    glutSwapBuffers();
}

void GlCanvas::setBlending(bool on) {
    flushText();
    blending = on;
    if (on) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glShadeModel(GL_FLAT);
    } else {
        glDisable(GL_BLEND);
    }
}

void GlCanvas::setDepthTest(bool on) {
    flushText();
    depthTest = on;
    if (on)
        glEnable(GL_DEPTH_TEST);
    else
        glDisable(GL_DEPTH_TEST);
}

void GlCanvas::push() { glPushMatrix(); }
void GlCanvas::pop() { glPopMatrix(); }
void GlCanvas::translate(float x, float y, float z) { glTranslatef(x, y, z); }
void GlCanvas::rotate(float degrees, float x, float y, float z) { glRotatef(degrees, x, y, z); }

// Shapes of `perShape` points each, each in its colour, in one batch: the
// colour goes with the vertices, since a colour changed between batches makes
// the software renderer flush what it has queued.
void GlCanvas::shapes(unsigned mode, const Point3 *points, int perShape, const Rgba *colours,
                      int count) {
    if (count <= 0) return;
    flushText();
    glBegin(mode);
    for (int i = 0; i < count; ++i) {
        colour(colours[i]);
        for (int v = 0; v < perShape; ++v) vertex(points[i * perShape + v]);
    }
    glEnd();
}

void GlCanvas::fillQuads(const Point3 *corners, const Rgba *colours, int count) {
    shapes(GL_QUADS, corners, 4, colours, count);
}

void GlCanvas::outlineQuads(const Point3 *corners, const Rgba *colours, int count) {
    if (count <= 0) return;
    flushText();  // the text is filled
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    shapes(GL_QUADS, corners, 4, colours, count);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

void GlCanvas::lines(const Point3 *ends, const Rgba *colours, int count) {
    shapes(GL_LINES, ends, 2, colours, count);
}

void GlCanvas::triangles(const Point3 *corners, const Rgba *colours, int count) {
    shapes(GL_TRIANGLES, corners, 3, colours, count);
}

void GlCanvas::pictureQuads(const Point3 *corners, const float (*st)[2], int count, int block) {
    if (count <= 0 || block < 1 || block > 4) return;
    flushText();
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
    glBindTexture(GL_TEXTURE_2D, pictures[block]);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBegin(GL_QUADS);
    glColor4f(1, 1, 1, 1);  // white, so that the picture shows its own colours
    for (int i = 0; i < 4 * count; ++i) {
        if (st[i][0] >= 0) {  // else GL's current coordinate is the last one given
            lastSt[0] = st[i][0];
            lastSt[1] = st[i][1];
            glTexCoord2f(lastSt[0], lastSt[1]);
        }
        vertex(corners[i]);
    }
    glEnd();
    glDisable(GL_CULL_FACE);
    glDisable(GL_TEXTURE_2D);
}

void GlCanvas::text(float x, float y, Rgba colour, const char *line, int size) {
    // The characters wait for the next shapes or the frame's end, so that a
    // frame's text goes down in few batches.
    Glyph glyph{pixelOf(x) - kPen * size, pixelOf(y) - kPen * size, 0, size, colour};
    for (const char *p = line; *p != '\0'; ++p) {
        glyph.code = static_cast<unsigned char>(*p);
        pending.push_back(glyph);
        glyph.x += kFont.advance[glyph.code] * size;
    }
}

void GlCanvas::flushText() {
    if (pending.empty()) return;
    // The texture's alpha is the characters' pixels; the alpha test keeps
    // just those, each in its line's colour. The characters are squares of
    // the picture's pixels, scaled with it from the area's corner.
    pushPixelMatrices();
    glScalef(static_cast<float>(scale), static_cast<float>(scale), 1);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, fontTexture());
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    if (scale >= 1) {
        // Each pixel of the font is a square of the screen's, exactly.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_GREATER, 0.5f);
    } else {
        // Smaller than a screen pixel, a stroke would be dropped or kept by
        // where it falls ("New Game" read "Now Gomo"): the font is filtered
        // down instead, each screen pixel as covered as the strokes cover it.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    constexpr float span = kCell * kTexel;
    glBegin(GL_QUADS);
    for (const Glyph &glyph : pending) {
        const int column = glyph.code % kCellsPerSide;
        const int row = glyph.code / kCellsPerSide;
        const float s = static_cast<float>(column * kCell) * kTexel;
        const float t = static_cast<float>(row * kCell) * kTexel;
        const int cell = kCell * glyph.size;
        colour(glyph.colour);
        glTexCoord2f(s, t);
        glVertex2i(glyph.x, glyph.y);
        glTexCoord2f(s + span, t);
        glVertex2i(glyph.x + cell, glyph.y);
        glTexCoord2f(s + span, t + span);
        glVertex2i(glyph.x + cell, glyph.y + cell);
        glTexCoord2f(s, t + span);
        glVertex2i(glyph.x, glyph.y + cell);
    }
    glEnd();
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_TEXTURE_2D);
    if (depthTest) glEnable(GL_DEPTH_TEST);
    if (blending)
        glEnable(GL_BLEND);
    else
        glDisable(GL_BLEND);
    glTexCoord2f(lastSt[0], lastSt[1]);  // the pictures' coordinate carries on
    popMatrices();
    pending.clear();
}
