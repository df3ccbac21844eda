// Bitmap text. GLUT draws a character with glBitmap, and the software renderer
// turns every line of such characters into a 512 by 32 pixel texture and shades
// all of it, whatever the line's length: sixteen lines cost the panel more than
// all its shapes. So each window's font is drawn once, at the window's first
// frame, into a texture of its own; a line is then one small textured square for each
// character, placed on the pixels where glBitmap would put it and keeping only
// the character's own pixels, so that the text looks exactly as GLUT draws it.
#include "render/text.h"

#include <GL/glut.h>

#include <cmath>
#include <vector>

#include "app/layout.h"

namespace {

constexpr int kCell = 16;          // a character's square, in pixels
constexpr int kCellsPerSide = 16;  // codes 0 to 255 in 16 rows of 16
constexpr int kSide = kCell * kCellsPerSide;
constexpr int kOrigin = 4;              // the raster position within its cell
constexpr float kTexel = 1.0f / kSide;  // exact: kSide is a power of two

struct Font {
    void *font;
    int window;
    GLuint texture;
    int advance[256];
};
constexpr int kMaxFonts = 4;
Font fonts[kMaxFonts];
int fontCount = 0;

// Characters waiting for flushText: where each cell's corner goes, in window
// pixels, and in what colour.
struct Glyph {
    int x, y;
    int code;
    GLfloat colour[4];
};
std::vector<Glyph> pending;
const Font *pendingFont = nullptr;

const Font *findFont(void *font) {
    const int window = glutGetWindow();
    for (int i = 0; i < fontCount; ++i)
        if (fonts[i].font == font && fonts[i].window == window) return &fonts[i];
    return nullptr;
}

// Window pixel coordinates for the drawing between these two calls, which
// leave the modelview matrix current.
void pushPixelMatrices(const GLint viewport[4]) {
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

// glBitmap puts a character's origin on the pixel below and left of the raster
// position, with a small allowance for a position computed a hair short.
int pixelOf(float coordinate) { return static_cast<int>(std::floor(coordinate + 0.0001f)); }

}  // namespace

void prepareText(void *font) {
    if (findFont(font) != nullptr) return;
    if (fontCount == kMaxFonts || glutGet(GLUT_WINDOW_WIDTH) < kSide ||
        glutGet(GLUT_WINDOW_HEIGHT) < kSide)
        return;
    Font &entry = fonts[fontCount];

    // Every character in white on black in its cell of the back buffer's
    // bottom-left corner, which the frame then clears.
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT | GL_ENABLE_BIT | GL_PIXEL_MODE_BIT |
                 GL_VIEWPORT_BIT);
    const GLint viewport[4] = {0, 0, kSide, kSide};
    glViewport(0, 0, kSide, kSide);
    pushPixelMatrices(viewport);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1, 1, 1);
    for (int c = 0; c < 256; ++c) {
        entry.advance[c] = c == 0 ? 0 : glutBitmapWidth(font, c);
        if (c == 0) continue;  // GLUT draws no code 0
        glRasterPos2i(c % kCellsPerSide * kCell + kOrigin, c / kCellsPerSide * kCell + kOrigin);
        glutBitmapCharacter(font, c);
    }
    std::vector<unsigned char> pixels(kSide * kSide);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kSide, kSide, GL_RED, GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    popMatrices();
    glPopAttrib();

    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glGenTextures(1, &entry.texture);
    glBindTexture(GL_TEXTURE_2D, entry.texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA8, kSide, kSide, 0, GL_ALPHA, GL_UNSIGNED_BYTE,
                 pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    entry.font = font;
    entry.window = glutGetWindow();
    ++fontCount;
}

void drawText(float x, float y, void *font, const char *text) {
    glRasterPos3f(x, y, 0);
    const Font *entry = findFont(font);
    if (entry == nullptr) {  // a window too small to hold the font's picture
        // Characters count as plain chars widened to int, exactly as typed:
        // GLUT draws codes 1 to 255 and skips a negative char silently.
        for (const char *p = text; *p != '\0'; ++p) glutBitmapCharacter(font, *p);
        return;
    }
    GLboolean valid = GL_FALSE;
    glGetBooleanv(GL_CURRENT_RASTER_POSITION_VALID, &valid);
    if (valid == GL_FALSE) return;  // glBitmap draws nothing then either
    if (pendingFont != nullptr && pendingFont != entry) flushText();
    pendingFont = entry;
    GLfloat position[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    // Kept in the picture's own pixels from the viewport's corner: at a larger
    // scale each of the font's pixels becomes a square of the scale's size.
    const float scale = static_cast<float>(shownLayout.scale);
    Glyph glyph{};
    glGetFloatv(GL_CURRENT_RASTER_COLOR, glyph.colour);
    glyph.x = pixelOf((position[0] - static_cast<float>(viewport[0])) / scale) - kOrigin;
    glyph.y = pixelOf((position[1] - static_cast<float>(viewport[1])) / scale) - kOrigin;
    for (const char *p = text; *p != '\0'; ++p) {
        if (*p < 0) continue;  // as GLUT skips it
        glyph.code = static_cast<unsigned char>(*p);
        pending.push_back(glyph);
        glyph.x += entry->advance[glyph.code];
    }
}

void flushText() {
    if (pendingFont == nullptr) return;
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    // The texture's alpha is the characters' pixels; the alpha test keeps
    // just those, each in its line's colour, as glBitmap does. The current
    // colour and texture coordinate are left as they were (glBitmap sets
    // neither), like every capability, binding and matrix.
    glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_COLOR_BUFFER_BIT |
                 GL_LIGHTING_BIT);
    pushPixelMatrices(viewport);
    const float scale = static_cast<float>(shownLayout.scale);
    glScalef(scale, scale, 1);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, pendingFont->texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.5f);
    glShadeModel(GL_FLAT);
    constexpr float span = kCell * kTexel;
    glBegin(GL_QUADS);
    for (const Glyph &glyph : pending) {
        const int column = glyph.code % kCellsPerSide;
        const int row = glyph.code / kCellsPerSide;
        const float s = static_cast<float>(column * kCell) * kTexel;
        const float t = static_cast<float>(row * kCell) * kTexel;
        glColor4fv(glyph.colour);
        glTexCoord2f(s, t);
        glVertex2i(glyph.x, glyph.y);
        glTexCoord2f(s + span, t);
        glVertex2i(glyph.x + kCell, glyph.y);
        glTexCoord2f(s + span, t + span);
        glVertex2i(glyph.x + kCell, glyph.y + kCell);
        glTexCoord2f(s, t + span);
        glVertex2i(glyph.x, glyph.y + kCell);
    }
    glEnd();
    popMatrices();
    glPopAttrib();
    pending.clear();
    pendingFont = nullptr;
}
