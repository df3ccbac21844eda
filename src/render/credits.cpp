// The credits, shown in the view window from the first press of Exit until the
// program ends.
#include "render/credits.h"

#include "render/view.h"

namespace {

struct Line {
    float y;
    const char *text;
};

// Lines start a tenth of the view's width from its left edge, at heights from
// -1 at its bottom to 1 at its top. Each is at most 70 characters, so at 8
// pixels a character it ends inside the view.
constexpr float kLeft = -0.8f;

constexpr Line kTitle[] = {
    {0.8f, "Tumblewell Credits"},
    {0.75f, "========================="},
};

// The middle of the window is left empty between 0.3 and -0.3.
constexpr Line kBody[] = {
    {0.6f, "Tumblewell was made by the Tumblewell developers."},
    {0.5f, "Its sounds were synthesised with sox and espeak-ng."},
    {0.4f, "Its block pictures were drawn by a small script."},
    {0.3f, "The tunnel and the panel are drawn live with OpenGL."},
    {-0.3f, "Written in C++ with OpenGL and GLUT for the windows and pictures"},
    {-0.4f, "and SDL for the sound."},
    {-0.6f, "I hope you enjoyed Tumblewell and thanks for playing"},
    {-0.7f, "Get the latest version from the project's git repository."},
};

}  // namespace

void drawCredits(Canvas &canvas, const WindowLayout &layout) {
    canvas.begin(Area::View, layout, {0, 0, 0, 0});
    const Rgba title = {1, 0, 0, 1}, body = {0, 1, 1, 1};
    for (const Line &line : kTitle) canvas.text(viewX(kLeft), viewY(line.y), title, line.text);
    for (const Line &line : kBody) canvas.text(viewX(kLeft), viewY(line.y), body, line.text);
    canvas.end();
}
