#include "render/colour_aid.h"

#include <cmath>
#include <initializer_list>
#include <vector>

#include "game/game_state.h"
#include "render/view.h"

namespace {

// The shapes are two outlines, each in two turns: red an upright cross, light
// blue the same cross turned by an eighth (an X), green a triangle pointing up
// and blue the same triangle pointing down. The colours that colour-blind
// players confuse (red and green; in grey red and blue, green and light blue)
// get outlines of different kinds, and any two shapes differ in over 40 % of
// the pixels they cover between them in the flat grid: their silhouettes tell
// them apart even at 8 pixels across, where a disc and a square would not.
//
// An outline is the union of convex pieces, in shape units: a shape spans a
// little over two of them, with its rim.
struct Piece {
    int corners;  // counter-clockwise
    float at[4][2];
};
struct Outline {
    int pieces;
    Piece piece[2];
};
constexpr float kArm = 0.28f;  // half the width of the cross's arms
constexpr Outline kCross = {2,
                            {{4, {{-1, -kArm}, {1, -kArm}, {1, kArm}, {-1, kArm}}},
                             {4, {{-kArm, -1}, {kArm, -1}, {kArm, 1}, {-kArm, 1}}}}};
constexpr Outline kTriangle = {1, {{3, {{-1, -0.85f}, {1, -0.85f}, {0, 0.85f}}}}};
constexpr float kHalfTurn = 3.14159265f;  // radians
struct Shape {
    const Outline *outline;
    float turn;
};
constexpr Shape kShapes[5] = {
    {nullptr, 0},              // empty: none
    {&kCross, 0},              // red
    {&kTriangle, 0},           // green
    {&kTriangle, kHalfTurn},   // blue
    {&kCross, kHalfTurn / 4},  // light blue
};

// The light rim around the dark fill, in shape units; and a shape unit, in
// edges of the block that carries it: the shape with its rim spans about 60 %
// of the block, clear of its edges.
constexpr float kRim = 0.15f;
constexpr float kUnit = 0.27f;
constexpr float kBlockInGrid = kGridCell - 2;  // a flat grid block's edge, in pixels

// A shape as drawn: its rim's pieces, then its fill's, with corners turned and
// in shape units.
struct Flat {
    int pieces, corners[2];
    float at[2][2][4][2];  // [layer: rim, fill][piece][corner][x, y]
};

// The outward unit normal of the edge from p to q of a counter-clockwise piece.
void outward(const float *p, const float *q, float out[2]) {
    const float dx = q[0] - p[0];
    const float dy = q[1] - p[1];
    const float length = std::sqrt(dx * dx + dy * dy);
    out[0] = dy / length;
    out[1] = -dx / length;
}

// The corners of a colour's shape, the rim's being the fill's moved out by kRim
// along both of their edges (a mitred outline of even width).
Flat flatten(const Shape &shape) {
    Flat flat{};
    flat.pieces = shape.outline->pieces;
    const float c = std::cos(shape.turn);
    const float s = std::sin(shape.turn);
    for (int layer = 0; layer < 2; ++layer) {
        const float grow = layer == 0 ? kRim : 0;
        for (int k = 0; k < flat.pieces; ++k) {
            const Piece &piece = shape.outline->piece[k];
            flat.corners[k] = piece.corners;
            for (int i = 0; i < piece.corners; ++i) {
                const float *q = piece.at[i];
                float before[2];
                float after[2];
                outward(piece.at[(i + piece.corners - 1) % piece.corners], q, before);
                outward(q, piece.at[(i + 1) % piece.corners], after);
                const float miter = grow / (1 + before[0] * after[0] + before[1] * after[1]);
                const float x = q[0] + miter * (before[0] + after[0]);
                const float y = q[1] + miter * (before[1] + after[1]);
                flat.at[layer][k][i][0] = x * c - y * s;
                flat.at[layer][k][i][1] = x * s + y * c;
            }
        }
    }
    return flat;
}

const Flat &flatShape(int colour) {
    static const Flat flats[4] = {flatten(kShapes[1]), flatten(kShapes[2]), flatten(kShapes[3]),
                                  flatten(kShapes[4])};
    return flats[colour - 1];
}

// Where a shape lies: its centre and the directions of its x and y, each one
// shape unit long, and `lift`, how far its fill stands before its rim, so that
// the depth test puts the fill over the rim (zero where no depth is tested).
struct Frame {
    float centre[3], x[3], y[3], lift[3];
};

// Triangles gathered for one call of the canvas: all the shapes of a batch
// go down together, each triangle in its colour.
struct Triangles {
    std::vector<Point3> corners;
    std::vector<Rgba> colours;

    void drawOn(Canvas &canvas) {
        canvas.triangles(corners.data(), colours.data(), static_cast<int>(colours.size()));
    }
};

// The triangles of a block value's shape, rim in white then fill in black.
void emitShape(int colour, const Frame &frame, Triangles &out) {
    if (colour < Red || colour > LightBlue) return;
    const Flat &flat = flatShape(colour);
    for (int layer = 0; layer < 2; ++layer) {
        const float grey = layer == 0 ? 1.0f : 0.0f;
        for (int k = 0; k < flat.pieces; ++k) {
            for (int i = 1; i + 1 < flat.corners[k]; ++i) {
                for (const int corner : {0, i, i + 1}) {
                    const float *at = flat.at[layer][k][corner];
                    float point[3];
                    for (int axis = 0; axis < 3; ++axis)
                        point[axis] = frame.centre[axis] + at[0] * frame.x[axis] +
                                      at[1] * frame.y[axis] + layer * frame.lift[axis];
                    out.corners.push_back({point[0], point[1], point[2]});
                }
                out.colours.push_back({grey, grey, grey, 1});
            }
        }
    }
}

// The faces of a cube that can carry a shape, by their outward normal, with
// the shape's x and y on each. A shape's y points up the screen on every face
// the player sees (a top face is seen from above, so its y runs toward the far
// end), so the two triangles never look like each other. The back face is
// never seen.
struct Face {
    signed char normal[3], x[3], y[3];
};
constexpr int kFaceCount = 5;
constexpr Face kFaces[kFaceCount] = {
    {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},   // front
    {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}},  // top
    {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}},  // bottom
    {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}},  // right
    {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}},  // left
};
constexpr unsigned kPreviewFaces = 1U << 0 | 1U << 1 | 1U << 4;  // front, top, left
// How far a shape's rim stands before its face, and its fill before its rim,
// in cube edges.
constexpr float kLift = 0.007f;

// The shapes of a block value on the faces of `faces` (bits by kFaces) of a
// cube of edge `size` centred on the origin, in one batch.
void shapesOnFaces(Canvas &canvas, int colour, float size, unsigned faces) {
    Triangles shapes;
    for (int f = 0; f < kFaceCount; ++f) {
        if ((faces >> f & 1U) == 0) continue;
        const Face &face = kFaces[f];
        Frame frame{};
        for (int axis = 0; axis < 3; ++axis) {
            frame.centre[axis] = face.normal[axis] * size * (0.5f + kLift);
            frame.x[axis] = face.x[axis] * size * kUnit;
            frame.y[axis] = face.y[axis] * size * kUnit;
            frame.lift[axis] = face.normal[axis] * size * kLift;
        }
        emitShape(colour, frame, shapes);
    }
    shapes.drawOn(canvas);
}

float dot(const signed char a[3], const float b[3]) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// The faces (bits by kFaces) of the tunnel cube at (side, row, col) that are
// turned toward the eye and not pressed against another block of its wall.
unsigned shownFaces(int side, int row, int col) {
    float centre[3];
    blockCentre(side, row, col, centre);
    const float toEye[3] = {-centre[0], -centre[1], kEyeDistance - centre[2]};
    unsigned shown = 0;
    for (int f = 0; f < kFaceCount; ++f)
        if (dot(kFaces[f].normal, toEye) > kCubeEdge / 2) shown |= 1U << f;
    const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto &step : steps) {
        const int r = row + step[0];
        const int c = col + step[1];
        if (r < 0 || r >= kRows || c < 0 || c >= kColumns || shownWalls()[side][r][c] == Empty)
            continue;
        float next[3];
        blockCentre(side, r, c, next);
        const float apart[3] = {next[0] - centre[0], next[1] - centre[1], next[2] - centre[2]};
        for (int f = 0; f < kFaceCount; ++f)
            if (dot(kFaces[f].normal, apart) > kCubeEdge / 2) shown &= ~(1U << f);
    }
    return shown;
}

}  // namespace

void drawColourAidGrid(Canvas &canvas) {
    Triangles shapes;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            constexpr float kHalfCell = kGridCell / 2.0f;
            constexpr float kScale = kBlockInGrid * kUnit;
            const Frame frame = {
                {kGridLeft + kGridCell * c + kHalfCell, kGridCell * r + kHalfCell, 0},
                {kScale, 0, 0},
                {0, kScale, 0},
                {0, 0, 0}};
            emitShape(game.board[game.viewSide][r][c], frame, shapes);
        }
    }
    shapes.drawOn(canvas);
}

void drawPreviewShapes(Canvas &canvas, int colour, float size) {
    shapesOnFaces(canvas, colour, size, kPreviewFaces);
}

void drawCubeShapes(Canvas &canvas, int side, int row, int col) {
    shapesOnFaces(canvas, shownWalls()[side][row][col], kCubeEdge, shownFaces(side, row, col));
}
