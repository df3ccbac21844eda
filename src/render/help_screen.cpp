#include "render/help_screen.h"

#include "game/controls.h"
#include "game/panel_layout.h"
#include "render/draw_helpers.h"

namespace {

constexpr Rgba kCyan = {0, 1, 1, 1};
constexpr Rgba kYellow = {1, 1, 0, 1};

constexpr int kLeft = 12;                 // where the lines start
constexpr int kActionLeft = kLeft + 200;  // a control's action, after its 24 characters
constexpr int kLine = 16;                 // from one line to the next

constexpr const char *kHowToPlay[] = {
    "Click a group of two or more joined blocks of one colour to clear it.",
    "Each row built below is pushed into the next wall; clear space for it.",
    "A row onto a wall full to its mouth ends the game. Push them all: level up!",
};

}  // namespace

void drawHelpScreen(Canvas &canvas, const WindowLayout &layout) {
    canvas.begin(Area::View, layout, {0, 0, 0, 0});
    int y = kViewHeight - 30;
    canvas.text(kLeft, static_cast<float>(y), kCyan, "How to play", 2);
    y -= kLine + 10;
    for (const char *line : kHowToPlay) {
        canvas.text(kLeft, static_cast<float>(y), kWhite, line);
        y -= kLine;
    }
    y -= 18;
    canvas.text(kLeft, static_cast<float>(y), kCyan, "Controls", 2);
    y -= kLine + 10;
    for (const ControlHelp &control : kControlsHelp) {
        canvas.text(kLeft, static_cast<float>(y), kCyan, control.input);
        canvas.text(kActionLeft, static_cast<float>(y), kWhite, control.action);
        y -= kLine;
    }
    canvas.text(kLeft, 14, kYellow, "F1 or Escape: back to the game");
    canvas.end();
}
