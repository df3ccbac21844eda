#include "render/draw_helpers.h"

#include <cstdio>
#include <cstring>

namespace {

// Room for any label the game shows plus the widest int ("-2147483648").
constexpr int kLabelRoom = 48;
constexpr int kIntRoom = 12;  // eleven characters and the terminator

// One face of a cube: four corners, each a sign triple scaled by the half-edge.
struct Face {
    signed char corner[4][3];
};

// The six faces in drawing order: back, right, left, top, bottom, front.
constexpr Face kFaces[6] = {
    {{{-1, 1, -1}, {1, 1, -1}, {1, -1, -1}, {-1, -1, -1}}},  // back
    {{{1, 1, 1}, {1, 1, -1}, {1, -1, -1}, {1, -1, 1}}},      // right
    {{{-1, 1, 1}, {-1, 1, -1}, {-1, -1, -1}, {-1, -1, 1}}},  // left
    {{{1, 1, 1}, {1, 1, -1}, {-1, 1, -1}, {-1, 1, 1}}},      // top
    {{{1, -1, 1}, {1, -1, -1}, {-1, -1, -1}, {-1, -1, 1}}},  // bottom
    {{{-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}}},      // front
};
// The preview's cube shows its picture on the three faces its tilt turns
// toward the player; the other three lie behind them but for a pixel here and
// there at its outline, which shows a single point of the picture.
constexpr bool kPictured[6] = {false, false, true, true, false, true};
constexpr float kPictureCorners[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};

Point3 corner(const Face &face, int v, float half) {
    const signed char *c = face.corner[v];
    return {c[0] * half, c[1] * half, c[2] * half};
}

}  // namespace

Rgba blockColour(int colour, float alpha) {
    switch (colour) {
        case 1:
            return {1.0f, 0.0f, 0.0f, alpha};
        case 2:
            return {0.0f, 0.8f, 0.3f, alpha};
        case 3:
            return {0.0f, 0.0f, 1.0f, alpha};
        case 4:
            return {0.0f, 0.8f, 1.0f, alpha};
        default:  // empty, or anything unknown, is white
            return {1.0f, 1.0f, 1.0f, alpha};
    }
}

void drawLabelValue(Canvas &canvas, int x, int y, const char *label, int value) {
    char finalstring[kLabelRoom + kIntRoom];
    char tempint[kIntRoom];
    std::snprintf(finalstring, kLabelRoom, "%s", label);
    std::snprintf(tempint, sizeof tempint, "%d", value);
    std::strncat(finalstring, tempint, sizeof finalstring - std::strlen(finalstring) - 1);
    canvas.text(static_cast<float>(x), static_cast<float>(y), kBlack, finalstring);
}

void drawTunnelCube(Canvas &canvas, int colour, float size) {
    // The outlines of the six faces as lines, each face's four edges in order.
    const float half = size / 2;
    Point3 ends[6 * 4 * 2];
    Rgba edgeColours[6 * 4];
    Point3 corners[6 * 4];
    Rgba faceColours[6];
    for (int f = 0; f < 6; ++f) {
        for (int v = 0; v < 4; ++v) {
            ends[(f * 4 + v) * 2] = corner(kFaces[f], v, half);
            ends[(f * 4 + v) * 2 + 1] = corner(kFaces[f], (v + 1) % 4, half);
            edgeColours[f * 4 + v] = blockColour(colour, 1.0f);
            corners[f * 4 + v] = corner(kFaces[f], v, half);
        }
        faceColours[f] = blockColour(colour, 0.5f);
    }
    canvas.lines(ends, edgeColours, 6 * 4);
    canvas.fillQuads(corners, faceColours, 6);
}

void drawPreviewCube(Canvas &canvas, int colour, float size) {
    const float half = size / 2;
    Point3 corners[6 * 4];
    float st[6 * 4][2];
    for (int f = 0; f < 6; ++f) {
        for (int v = 0; v < 4; ++v) {
            corners[f * 4 + v] = corner(kFaces[f], v, half);
            st[f * 4 + v][0] = kPictured[f] ? kPictureCorners[v][0] : -1;
            st[f * 4 + v][1] = kPictured[f] ? kPictureCorners[v][1] : -1;
        }
    }
    canvas.pictureQuads(corners, st, 6, colour);
}
