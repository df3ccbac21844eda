#include "platform/web/webgl_canvas.h"

#include <GLES2/gl2.h>
#include <emscripten/html5.h>

#include <cmath>

#include "game/panel_layout.h"
#include "render/font.h"

namespace {

const char *const kVertexShader = R"(
attribute vec4 aPosition;
attribute vec4 aColour;
attribute vec2 aTexel;
varying vec4 vColour;
varying vec2 vTexel;
void main() {
    gl_Position = aPosition;
    vColour = aColour;
    vTexel = aTexel;
})";

// Colours alone; a block's picture, white in the vertices so that it shows its
// own colours; the font's characters, kept where they are opaque (at the
// picture's own size and above) or blended by how much they cover (below it).
const char *const kFragmentShader = R"(
precision highp float;
uniform sampler2D uTexture;
uniform int uMode;
varying vec4 vColour;
varying vec2 vTexel;
void main() {
    if (uMode == 0) {
        gl_FragColor = vColour;
    } else if (uMode == 1) {
        gl_FragColor = vColour * texture2D(uTexture, vTexel);
    } else {
        float covered = texture2D(uTexture, vTexel).a;
        if (uMode == 2 && covered <= 0.5) discard;
        gl_FragColor = vec4(vColour.rgb, vColour.a * (uMode == 2 ? 1.0 : covered));
    }
})";

// The font's atlas (render/font.h), in shorter names.
constexpr int kCell = kAtlasCell;
constexpr int kCellsPerSide = kAtlasCellsPerSide;
constexpr int kSide = kAtlasSide;
constexpr int kPen = kAtlasPen;

int pixelOf(float coordinate) { return static_cast<int>(std::floor(coordinate + 0.0001f)); }

GLuint compile(GLenum kind, const char *source) {
    const GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    return shader;
}

}  // namespace

bool WebGlCanvas::create(const char *selector) {
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;  // the page behind shows nowhere
    attributes.depth = EM_TRUE;
    attributes.antialias = EM_FALSE;             // edges as sharp as the desktop's
    attributes.preserveDrawingBuffer = EM_TRUE;  // an area drawn alone keeps the other
    context = static_cast<int>(emscripten_webgl_create_context(selector, &attributes));
    if (context <= 0) return false;
    emscripten_webgl_make_context_current(context);

    program = glCreateProgram();
    glAttachShader(program, compile(GL_VERTEX_SHADER, kVertexShader));
    glAttachShader(program, compile(GL_FRAGMENT_SHADER, kFragmentShader));
    glBindAttribLocation(program, 0, "aPosition");
    glBindAttribLocation(program, 1, "aColour");
    glBindAttribLocation(program, 2, "aTexel");
    glLinkProgram(program);
    glUseProgram(program);
    uMode = glGetUniformLocation(program, "uMode");
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    for (GLuint attribute = 0; attribute < 3; ++attribute) glEnableVertexAttribArray(attribute);
    glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          reinterpret_cast<void *>(offsetof(Vertex, x)));
    glVertexAttribPointer(1, 4, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          reinterpret_cast<void *>(offsetof(Vertex, colour)));
    glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          reinterpret_cast<void *>(offsetof(Vertex, s)));
    return true;
}

int WebGlCanvas::largestPicture() const {
    GLint side = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
    return side;
}

void WebGlCanvas::loadPicture(int block, const PpmImage &image) {
    glGenTextures(1, &pictures[block]);
    glBindTexture(GL_TEXTURE_2D, pictures[block]);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, image.width, image.height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image.pixels.data());
    // WebGL filters and repeats only pictures whose sides are powers of two.
    const bool even =
        (image.width & (image.width - 1)) == 0 && (image.height & (image.height - 1)) == 0;
    if (even) glGenerateMipmap(GL_TEXTURE_2D);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    even ? GL_LINEAR_MIPMAP_NEAREST : GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, even ? GL_REPEAT : GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, even ? GL_REPEAT : GL_CLAMP_TO_EDGE);
}

unsigned WebGlCanvas::fontTexture() {
    if (font != 0) return font;
    const std::vector<unsigned char> alpha = fontAtlas();
    glGenTextures(1, &font);
    glBindTexture(GL_TEXTURE_2D, font);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, kSide, kSide, 0, GL_ALPHA, GL_UNSIGNED_BYTE,
                 alpha.data());
    glGenerateMipmap(GL_TEXTURE_2D);  // the smaller versions serve a picture below its size
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return font;
}

void WebGlCanvas::begin(Area area, const WindowLayout &layout, Rgba background) {
    scale = layout.scale;
    model = Matrix();
    saved.clear();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    flush();
    glDisable(GL_CULL_FACE);
    glLineWidth(1);
    glClearColor(background.r, background.g, background.b, background.a);
    if (area == Area::Panel) {
        // The clear fills the whole surface, so the margins take the panel's grey.
        glDisable(GL_SCISSOR_TEST);
        glViewport(layout.left, layout.windowHeight - layout.top - layout.height, layout.width,
                   layout.height);
        viewportWidth = layout.width;
        viewportHeight = layout.height;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        projection = orthographic(0, kPictureWidth, 0, kPictureHeight, -50, 50);
    } else {
        // The view's box of the picture, cleared alone.
        const WindowBox box = viewBox(layout);
        const int bottom = layout.windowHeight - box.y - box.height;
        glViewport(box.x, bottom, box.width, box.height);
        glScissor(box.x, bottom, box.width, box.height);
        glEnable(GL_SCISSOR_TEST);
        viewportWidth = box.width;
        viewportHeight = box.height;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glDisable(GL_SCISSOR_TEST);
        projection = frustum(-1, 1, -1, 1, 1.5f, 20);
    }
}

void WebGlCanvas::end() {
    flush();  // the browser shows the surface once the frame's script is over
}

void WebGlCanvas::setBlending(bool on) {
    flush();
    if (on) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    } else {
        glDisable(GL_BLEND);
    }
}

void WebGlCanvas::setDepthTest(bool on) {
    flush();
    if (on)
        glEnable(GL_DEPTH_TEST);
    else
        glDisable(GL_DEPTH_TEST);
}

void WebGlCanvas::push() { saved.push_back(model); }

void WebGlCanvas::pop() {
    if (saved.empty()) return;
    model = saved.back();
    saved.pop_back();
}

void WebGlCanvas::translate(float x, float y, float z) { model = model * translation(x, y, z); }

void WebGlCanvas::rotate(float degrees, float x, float y, float z) {
    model = model * rotation(degrees, x, y, z);
}

void WebGlCanvas::queue(const Kind &kind, const Matrix &matrix) {
    if (kind != batchKind) flush();
    batchKind = kind;
    adding = matrix;
}

void WebGlCanvas::add(const Point3 &at, const Rgba &colour, float s, float t) {
    const float *m = adding.m;
    batch.push_back({m[0] * at.x + m[4] * at.y + m[8] * at.z + m[12],
                     m[1] * at.x + m[5] * at.y + m[9] * at.z + m[13],
                     m[2] * at.x + m[6] * at.y + m[10] * at.z + m[14],
                     m[3] * at.x + m[7] * at.y + m[11] * at.z + m[15], colour, s, t});
}

// One draw call a batch: a frame of the full tunnel is a handful of them
// rather than one a cube, which is what the page's frame costs in script.
void WebGlCanvas::flush() {
    if (batch.empty()) return;
    const bool picture = batchKind.shading == Picture;
    if (batchKind.texture != 0) glBindTexture(GL_TEXTURE_2D, batchKind.texture);
    if (picture) glEnable(GL_CULL_FACE);  // a solid's faces turned away from the eye
    glUniform1i(uMode, batchKind.shading);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(batch.size() * sizeof(Vertex)),
                 batch.data(), GL_STREAM_DRAW);
    glDrawArrays(batchKind.primitive, 0, static_cast<GLsizei>(batch.size()));
    if (picture) glDisable(GL_CULL_FACE);
    batch.clear();
}

void WebGlCanvas::fillQuads(const Point3 *corners, const Rgba *colours, int count) {
    queue({GL_TRIANGLES, Colours, 0}, projection * model);
    for (int i = 0; i < count; ++i)
        for (const int v : {0, 1, 2, 0, 2, 3}) add(corners[4 * i + v], colours[i]);
}

void WebGlCanvas::outlineQuads(const Point3 *corners, const Rgba *colours, int count) {
    queue({GL_LINES, Colours, 0}, projection * model);
    for (int i = 0; i < count; ++i)
        for (int v = 0; v < 4; ++v) {
            add(corners[4 * i + v], colours[i]);
            add(corners[4 * i + (v + 1) % 4], colours[i]);
        }
}

void WebGlCanvas::lines(const Point3 *ends, const Rgba *colours, int count) {
    queue({GL_LINES, Colours, 0}, projection * model);
    for (int i = 0; i < 2 * count; ++i) add(ends[i], colours[i / 2]);
}

void WebGlCanvas::triangles(const Point3 *corners, const Rgba *colours, int count) {
    queue({GL_TRIANGLES, Colours, 0}, projection * model);
    for (int i = 0; i < 3 * count; ++i) add(corners[i], colours[i / 3]);
}

void WebGlCanvas::pictureQuads(const Point3 *corners, const float (*st)[2], int count, int block) {
    if (count <= 0 || block < 1 || block > 4) return;
    queue({GL_TRIANGLES, Picture, pictures[block]}, projection * model);
    const Rgba white = {1, 1, 1, 1};
    float at[4][2];  // each corner's point of the picture
    for (int i = 0; i < count; ++i) {
        for (int v = 0; v < 4; ++v) {
            if (st[4 * i + v][0] >= 0) {
                lastSt[0] = st[4 * i + v][0];
                lastSt[1] = st[4 * i + v][1];
            }
            at[v][0] = lastSt[0];
            at[v][1] = lastSt[1];
        }
        for (const int v : {0, 1, 2, 0, 2, 3}) add(corners[4 * i + v], white, at[v][0], at[v][1]);
    }
}

void WebGlCanvas::text(float x, float y, Rgba colour, const char *line, int size) {
    // The characters as squares of the picture's pixels, scaled with it from
    // the area's corner, in the viewport's own pixels.
    const float s = static_cast<float>(scale);
    int pen = pixelOf(x) - kPen * size;
    const int base = pixelOf(y) - kPen * size;
    const int cell = kCell * size;
    // Text goes down alone: it sets the font's filtering and its own blending.
    flush();
    const bool sharp = scale >= 1;
    queue({GL_TRIANGLES, sharp ? SharpText : SmoothText, fontTexture()},
          orthographic(0, static_cast<float>(viewportWidth), 0, static_cast<float>(viewportHeight),
                       -1, 1));
    for (const char *p = line; *p != '\0'; ++p) {
        const int code = static_cast<unsigned char>(*p);
        const float u = static_cast<float>(code % kCellsPerSide * kCell) / kSide;
        const float v = static_cast<float>(code / kCellsPerSide * kCell) / kSide;
        const float span = static_cast<float>(kCell) / kSide;
        const Point3 corners[4] = {{pen * s, base * s, 0},
                                   {(pen + cell) * s, base * s, 0},
                                   {(pen + cell) * s, (base + cell) * s, 0},
                                   {pen * s, (base + cell) * s, 0}};
        const float texels[4][2] = {{u, v}, {u + span, v}, {u + span, v + span}, {u, v + span}};
        for (const int k : {0, 1, 2, 0, 2, 3}) add(corners[k], colour, texels[k][0], texels[k][1]);
        pen += kFont.advance[code] * size;
    }
    glBindTexture(GL_TEXTURE_2D, batchKind.texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    sharp ? GL_NEAREST : GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, sharp ? GL_NEAREST : GL_LINEAR);
    GLboolean depth = GL_FALSE, blend = GL_FALSE;
    glGetBooleanv(GL_DEPTH_TEST, &depth);
    glGetBooleanv(GL_BLEND, &blend);
    glDisable(GL_DEPTH_TEST);
    if (!sharp) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    flush();
    if (depth == GL_TRUE) glEnable(GL_DEPTH_TEST);
    if (blend != GL_TRUE) glDisable(GL_BLEND);
}
