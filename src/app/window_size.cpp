#include "app/window_size.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "game/settings.h"

WindowChoice windowChoice;
int windowScale = 1;

int startScale(int asked, int remembered, int dpi, int screenWidth, int screenHeight) {
    if (asked > 0) return asked;
    int scale = remembered > 0 ? remembered : std::clamp(dpi / 96, 1, kLargestScale);
    while (scale > 1 && (800 * scale > screenWidth || 600 * scale > screenHeight)) --scale;
    return scale;
}

int dpiOf(const char *resources) {
    // One "name:\tvalue" a line; the name may stand at the start of any line.
    for (const char *line = resources; line != nullptr && *line != '\0';
         line = std::strchr(line, '\n') ? std::strchr(line, '\n') + 1 : nullptr) {
        if (std::strncmp(line, "Xft.dpi:", 8) == 0) return std::max(0, std::atoi(line + 8));
    }
    return 0;
}

int wholeScale(const WindowLayout &layout) {
    return std::clamp(static_cast<int>(std::floor(layout.scale)), 1, kLargestScale);
}

void noteWindowSize(const WindowLayout &layout, bool fullScreen) {
    if (fullScreen || wholeScale(layout) == windowScale) return;
    windowScale = wholeScale(layout);
    rememberSetting(ScaleSetting, windowScale);
}
