#include "render/window_layout.h"

#include <algorithm>
#include <cmath>

#include "game/panel_layout.h"

namespace {

int scaled(const WindowLayout &layout, int length) {
    return static_cast<int>(std::lround(length * layout.scale));
}

}  // namespace

WindowLayout layoutFor(int windowWidth, int windowHeight) {
    WindowLayout layout;
    layout.windowWidth = std::max(windowWidth, 1);
    layout.windowHeight = std::max(windowHeight, 1);
    layout.scale = std::min(static_cast<double>(layout.windowWidth) / kPictureWidth,
                            static_cast<double>(layout.windowHeight) / kPictureHeight);
    // The side that sets the scale is filled exactly; the other is centred.
    layout.width = std::clamp(scaled(layout, kPictureWidth), 1, layout.windowWidth);
    layout.height = std::clamp(scaled(layout, kPictureHeight), 1, layout.windowHeight);
    layout.left = (layout.windowWidth - layout.width) / 2;
    layout.top = (layout.windowHeight - layout.height) / 2;
    return layout;
}

WindowBox viewBox(const WindowLayout &layout) {
    const int left = scaled(layout, kViewLeft);
    return {layout.left + left, layout.top, std::max(layout.width - left, 1),
            std::max(scaled(layout, kViewHeight), 1)};
}

bool picturePointAt(const WindowLayout &layout, int x, int y, int &px, int &py) {
    const bool inWindow = x >= 0 && y >= 0 && x < layout.windowWidth && y < layout.windowHeight;
    x -= layout.left;
    y -= layout.top;
    const bool inPicture = x >= 0 && y >= 0 && x < layout.width && y < layout.height;
    if (inWindow && !inPicture) return false;
    // Beyond the window's edges (where GLUT follows a held button) the
    // picture's mapping goes on, as the panel point y = 600 - y always did.
    px = static_cast<int>(std::floor(x / layout.scale));
    py = kPictureHeight - static_cast<int>(std::floor(y / layout.scale));
    return true;
}

int lineWidth(const WindowLayout &layout) {
    return std::max(1, static_cast<int>(std::lround(layout.scale)));
}
