// The view window: picks the credits, the high-score table or the tunnel, and
// draws the tunnel seen from its mouth.
#include "render/view.h"

#include <cstring>

#include "game/game_state.h"
#include "render/colour_aid.h"
#include "render/credits.h"
#include "render/draw_helpers.h"
#include "render/font.h"
#include "render/help_screen.h"
#include "render/score_screen.h"

// Centre of the cube for a block. Column 0 sits at the bottom of the Left
// wall, at the left of the Top and Bottom walls and at the top of the Right
// wall, so a column runs the same way round the tunnel on every wall. The Top
// and Right walls stand a hair beyond 0.9.
void blockCentre(int side, int row, int col, float out[3]) {
    const float across = (col + 1) * 0.3f - 0.9f;
    const float reversed = (5 - col) * 0.3f - 0.9f;
    const float wall = 0.9000001f;
    out[2] = row * 0.3f - 2.0f;
    switch (side) {
        case Left:
            out[0] = -0.9f;
            out[1] = across;
            break;
        case Top:
            out[0] = across;
            out[1] = wall;
            break;
        case Right:
            out[0] = wall;
            out[1] = reversed;
            break;
        default:  // Bottom
            out[0] = across;
            out[1] = -0.9f;
            break;
    }
}

namespace {

// The tunnel's outline: the far square and the fading corner edges.
void drawBackdrop(Canvas &canvas) {
    const Point3 far[] = {{1, 1, -2}, {-1, 1, -2}, {-1, -1, -2}, {1, -1, -2}};
    const Rgba grey = {0.3f, 0.3f, 0.3f, 1};
    canvas.outlineQuads(far, &grey, 1);

    // The four corner edges, in seven segments that fade from light grey at the
    // mouth to the far square's grey.
    static const float corners[4][2] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    Point3 ends[7 * 4 * 2];
    Rgba colours[7 * 4];
    for (int i = 0; i < 7; ++i) {
        const float shade = 0.9f - i * 0.1f;
        const float z1 = 0.1f - i * 0.3f;
        const float z2 = -0.2f - i * 0.3f;
        for (int k = 0; k < 4; ++k) {
            ends[(i * 4 + k) * 2] = {corners[k][0], corners[k][1], z1};
            ends[(i * 4 + k) * 2 + 1] = {corners[k][0], corners[k][1], z2};
            colours[i * 4 + k] = {shade, shade, shade, 1};
        }
    }
    canvas.lines(ends, colours, 7 * 4);
}

// Every block of the four walls as a cube with solid edges and translucent
// faces. Far rows first: with blending on, each translucent cube is laid over
// what lies behind it. A cube's solid edges go down before its faces, cube by
// cube: neighbours share edges, and drawing all edges first would change which
// cube's colour such an edge shows. The colour aid's shapes follow their own
// cube's faces, so that nearer cubes lie over them as they lie over the cube.
void drawBoard3D(Canvas &canvas) {
    for (int row = 0; row < kRows; ++row) {
        for (int side = 0; side < kSides; ++side) {
            for (int col = 0; col < kColumns; ++col) {
                const int c = shownWalls()[side][row][col];
                if (c == Empty) continue;
                float centre[3];
                blockCentre(side, row, col, centre);
                canvas.push();
                canvas.translate(centre[0], centre[1], centre[2]);
                drawTunnelCube(canvas, c, kCubeEdge);
                if (game.colourAid == 1) drawCubeShapes(canvas, side, row, col);
                canvas.pop();
            }
        }
    }
}

// A notice over the tunnel, dimmed behind it so that it reads on any blocks:
// `title` in large letters across the middle of the view, `line` below it.
void drawNotice(Canvas &canvas, const char *title, const char *line) {
    // A square before the far end that covers the whole view, half black.
    const Point3 veil[] = {
        {-1.2f, -1.2f, -0.1f}, {1.2f, -1.2f, -0.1f}, {1.2f, 1.2f, -0.1f}, {-1.2f, 1.2f, -0.1f}};
    const Rgba dim = {0, 0, 0, 0.6f};
    canvas.setDepthTest(false);
    canvas.fillQuads(veil, &dim, 1);
    constexpr int kTitleSize = 4, kLineSize = 2;
    // Centred across the view, whole pixels from its left edge.
    const int titleLeft =
        (kViewWidth - static_cast<int>(std::strlen(title)) * kGlyphWidth * kTitleSize) / 2;
    const int lineLeft =
        (kViewWidth - static_cast<int>(std::strlen(line)) * kGlyphWidth * kLineSize) / 2;
    const int middle = kViewHeight / 2;
    canvas.text(static_cast<float>(titleLeft), static_cast<float>(middle), kWhite, title,
                kTitleSize);
    canvas.text(static_cast<float>(lineLeft), static_cast<float>(middle - 60), {1, 1, 0, 1}, line,
                kLineSize);
}

}  // namespace

float viewX(float x) { return (x + 1) * 0.5f * kViewWidth; }
float viewY(float y) { return (y + 1) * 0.5f * kViewHeight; }

void drawView(Canvas &canvas, const WindowLayout &layout) {
    switch (game.mode) {
        case Mode::Credits:
        case Mode::Ending:
            return drawCredits(canvas, layout);
        case Mode::HighScores:
        case Mode::OverScores:
        case Mode::NameEntry:
        case Mode::ScoreSaved:
            // The table, with the name prompt while the name is typed.
            return drawScoreScreen(canvas, layout, game.scores, game.mode == Mode::NameEntry);
        case Mode::Help:
            return drawHelpScreen(canvas, layout);
        default:
            break;
    }
    canvas.begin(Area::View, layout, {0, 0, 0, 0});
    canvas.setDepthTest(true);
    // The mouth (z = 0) lies on the near plane; the far end 2 units behind it.
    canvas.translate(0, 0, -kEyeDistance);
    drawBackdrop(canvas);
    canvas.setBlending(true);
    drawBoard3D(canvas);
    // A game that stands still says so, and how to go on.
    if (game.mode == Mode::Paused) drawNotice(canvas, "Paused", "P to resume");
    if (game.mode == Mode::GameOver)
        drawNotice(canvas, "Game over", "Ctrl+N or New Game to play again");
    canvas.end();
}
