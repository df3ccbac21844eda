#include "render/score_screen.h"

#include "render/view.h"

namespace {

constexpr Rgba kCyan = {0, 1, 1, 1};
constexpr Rgba kRed = {1, 0, 0, 1};
constexpr Rgba kYellow = {1, 1, 0, 1};

// The screen's text, at points given from -1 to 1 across the view.
void write(Canvas &canvas, float x, float y, Rgba colour, const char *line) {
    canvas.text(viewX(x), viewY(y), colour, line);
}

}  // namespace

void drawScoreScreen(Canvas &canvas, const WindowLayout &layout, const ScoreScreen &screen,
                     bool prompt) {
    canvas.begin(Area::View, layout, {0, 0, 0, 0});
    write(canvas, -0.31f, 0.8f, kCyan, "High Scores");
    write(canvas, -0.31f, 0.75f, kCyan, "===========");
    if (prompt) {
        write(canvas, -0.4f, -0.75f, kRed, "Mighty Impressive!");
        write(canvas, -0.8f, -0.8f, kRed,
              "Type in your name and press 'Enter' to store your score.");
    } else if (!screen.note.empty()) {
        // In the prompt's place, in a colour of its own so that it is not read
        // as the prompt still standing.
        write(canvas, -0.8f, -0.8f, kYellow, screen.note.c_str());
    }
    char nbuf[kScoreLineSize];
    for (int i = 0; i < kScorePlaces; ++i) {
        formatScoreLine(nbuf, i + 1, screen.table[i]);
        write(canvas, -0.53f, static_cast<float>(0.6 - 0.1 * i),
              i == screen.highlight ? kRed : kCyan, nbuf);
    }
    canvas.end();
}
