#include "render/buttons.h"

#include <GL/glut.h>

#include <cstring>

#include "render/draw_helpers.h"

void drawButton(const ButtonPlace &place, bool pressed) {
    const int p = pressed ? 1 : 0;
    const int x = place.x, y = place.y, w = kButtonWidth, h = kButtonHeight;

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

void drawButtonLabel(const ButtonPlace &place, bool pressed) {
    // 8-pixel characters centred in the 83-pixel width, rounding to the left.
    const int p = pressed ? 1 : 0;
    const int length = static_cast<int>(std::strlen(place.label));
    drawText(static_cast<float>(place.x + 41 - 4 * length + p), static_cast<float>(place.y + 7 - p),
             GLUT_BITMAP_8_BY_13, place.label);
}
