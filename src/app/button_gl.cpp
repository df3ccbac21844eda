// Drawing of the control panel's push buttons, in panel pixels.
#include <GL/glut.h>

#include <cstring>

#include "app/button.h"
#include "render/draw_helpers.h"

void Button::draw(int bx, int by, const char *text) {
    // A pressed button shows its face, bevel and label one pixel right and one
    // down; the black rim stays where it is.
    const int p = pressed == 1 || latched == 1 ? 1 : 0;
    x = bx;
    y = by;
    w = 83;
    h = 23;
    labelLen = static_cast<int>(std::strlen(text));
    if (labelLen > 15) return;  // too long for the button: the rectangle still moves
    std::memcpy(label, text, labelLen + 1);

    glBegin(GL_QUADS);
    glColor3f(0, 0, 0);  // rim
    glVertex2i(x, y);
    glVertex2i(x, y + h);
    glVertex2i(x + w, y + h);
    glVertex2i(x + w, y);
    glColor3f(0.4f, 0.4f, 0.4f);  // face
    glVertex2i(x + p + 3, y + 4 - p);
    glVertex2i(x + p + 3, y + 20 - p);
    glVertex2i(x + w + p - 4, y + 20 - p);
    glVertex2i(x + w + p - 4, y + 4 - p);
    glEnd();

    // The bevel runs round the face in pairs of outer and inner corners: bottom
    // left, top left, top right, bottom right, bottom left again. Flat shading
    // gives each band the colour of its last vertex, so the left and top bands
    // are lit and the right and bottom bands match the face.
    glBegin(GL_QUAD_STRIP);
    glColor3f(0.8f, 0.8f, 0.8f);
    glVertex2i(x + p + 1, y + 2 - p);
    glVertex2i(x + p + 3, y + 4 - p);
    glVertex2i(x + p + 1, y + h - 1 - p);
    glVertex2i(x + p + 3, y + h - 3 - p);
    glVertex2i(x + w + p - 2, y + h - 1 - p);
    glVertex2i(x + w + p - 4, y + h - 3 - p);
    glColor3f(0.4f, 0.4f, 0.4f);
    glVertex2i(x + w + p - 2, y + 2 - p);
    glVertex2i(x + w + p - 4, y + 4 - p);
    glVertex2i(x + p + 1, y + 2 - p);
    glVertex2i(x + p + 3, y + 4 - p);
    glEnd();
}

void Button::drawLabel() const {
    if (labelLen > 15) return;  // never recorded by draw()
    // 8-pixel characters centred in the 83-pixel width, rounding to the left.
    const int p = pressed == 1 || latched == 1 ? 1 : 0;
    drawText(static_cast<float>(x + 41 - 4 * labelLen + p), static_cast<float>(y + 7 - p),
             GLUT_BITMAP_8_BY_13, label);
}
