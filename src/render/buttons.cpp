#include "render/buttons.h"

#include <cstring>

#include "render/draw_helpers.h"

namespace {

constexpr Rgba kFace = {0.4f, 0.4f, 0.4f, 1};
constexpr Rgba kLit = {0.8f, 0.8f, 0.8f, 1};

Point3 at(int x, int y) { return {static_cast<float>(x), static_cast<float>(y), 0}; }

}  // namespace

void drawButton(Canvas &canvas, const ButtonPlace &place, bool pressed) {
    const int p = pressed ? 1 : 0;
    const int x = place.x, y = place.y, w = kButtonWidth, h = kButtonHeight;
    const Point3 body[] = {at(x, y),
                           at(x, y + h),
                           at(x + w, y + h),
                           at(x + w, y),
                           at(x + p + 3, y + 4 - p),
                           at(x + p + 3, y + 20 - p),
                           at(x + w + p - 4, y + 20 - p),
                           at(x + w + p - 4, y + 4 - p)};
    const Rgba bodyColours[] = {kBlack, kFace};  // rim, face
    canvas.fillQuads(body, bodyColours, 2);

    // The bevel runs round the face in bands between outer and inner corners:
    // left, top, right, bottom. The left and top bands are lit; the right and
    // bottom ones match the face.
    const Point3 ring[] = {at(x + p + 1, y + 2 - p),         at(x + p + 3, y + 4 - p),
                           at(x + p + 1, y + h - 1 - p),     at(x + p + 3, y + h - 3 - p),
                           at(x + w + p - 2, y + h - 1 - p), at(x + w + p - 4, y + h - 3 - p),
                           at(x + w + p - 2, y + 2 - p),     at(x + w + p - 4, y + 4 - p),
                           at(x + p + 1, y + 2 - p),         at(x + p + 3, y + 4 - p)};
    Point3 bands[4 * 4];
    for (int band = 0; band < 4; ++band) {
        const Point3 *pair = ring + 2 * band;  // this corner's pair, then the next's
        bands[band * 4] = pair[0];
        bands[band * 4 + 1] = pair[1];
        bands[band * 4 + 2] = pair[3];
        bands[band * 4 + 3] = pair[2];
    }
    const Rgba bandColours[] = {kLit, kLit, kFace, kFace};
    canvas.fillQuads(bands, bandColours, 4);
}

void drawButtonLabel(Canvas &canvas, const ButtonPlace &place, const char *label, bool pressed) {
    // 8-pixel characters centred in the 83-pixel width, rounding to the left.
    const int p = pressed ? 1 : 0;
    const int length = static_cast<int>(std::strlen(label));
    canvas.text(static_cast<float>(place.x + 41 - 4 * length + p),
                static_cast<float>(place.y + 7 - p), kBlack, label);
}
