// Writes src/render/font_8x13.cpp: the 8 by 13 pixel font GLUT draws (the X
// Window System's "fixed" font), each character as the 8 by 13 pixels glBitmap
// puts from its raster position, the pen, to 7 to the right, and from 2 below
// it to 10 above, and its advance. The game draws its text from that table on
// every platform, so none needs GLUT's fonts at run time.
//
//     make_font > src/render/font_8x13.cpp     (under an X server)
#include <GL/freeglut.h>

#include <cstdio>
#include <vector>

namespace {

constexpr int kCell = 16;
constexpr int kOrigin = 4;
constexpr int kSide = kCell * 16;

}  // namespace

int main(int argc, char **argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_SINGLE);
    glutInitWindowSize(kSide, kSide);
    glutCreateWindow("make_font");
    glViewport(0, 0, kSide, kSide);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, kSide, 0, kSide, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1, 1, 1);
    int advance[256] = {};
    for (int c = 1; c < 256; ++c) {
        advance[c] = glutBitmapWidth(GLUT_BITMAP_8_BY_13, c);
        glRasterPos2i(c % 16 * kCell + kOrigin, c / 16 * kCell + kOrigin);
        glutBitmapCharacter(GLUT_BITMAP_8_BY_13, c);
    }
    glFinish();
    std::vector<unsigned char> pixels(kSide * kSide);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_FRONT);
    glReadPixels(0, 0, kSide, kSide, GL_RED, GL_UNSIGNED_BYTE, pixels.data());

    std::printf(
        "// Made by tools/font/make_font (make font) from the 8 by 13 font GLUT draws, the X\n"
        "// Window System's \"fixed\" font: do not edit.\n"
        "#include \"render/font.h\"\n\n"
        "const Font kFont = {\n    {");
    for (int c = 0; c < 256; ++c)
        std::printf("%s%d", c == 0 ? "" : c % 32 ? ", " : ",\n     ", advance[c]);
    std::printf("},\n    {\n");
    int stray = 0;  // pixels outside the 8 by 13 box, which the table cannot hold
    for (int c = 0; c < 256; ++c) {
        std::printf("        {");
        for (int row = 0; row < kCell; ++row) {
            unsigned bits = 0;
            for (int x = 0; x < kCell; ++x) {
                const bool lit = pixels[(c / 16 * kCell + row) * kSide + c % 16 * kCell + x] > 127;
                const bool inBox =
                    x >= kOrigin && x < kOrigin + 8 && row >= kOrigin - 2 && row < kOrigin + 11;
                if (lit && inBox) bits |= 1u << (x - kOrigin);
                stray += lit && !inBox;
            }
            if (row >= kOrigin - 2 && row < kOrigin + 11)
                std::printf("%s0x%02x", row == kOrigin - 2 ? "" : ", ", bits);
        }
        std::printf("},\n");
    }
    std::printf("    },\n};\n");
    if (stray > 0) std::fprintf(stderr, "make_font: %d pixels outside the glyphs' box\n", stray);
    return stray > 0 ? 1 : 0;
}
