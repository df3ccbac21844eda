// Tumblewell in a web page: one canvas element, both areas of the picture on
// it, the browser's events handed to the game as its own, the game's step and
// one frame of what changed at each of the browser's animation frames. No
// wait of the game's blocks the page: a wait is a time in the game's state.
#include <emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/paths.h"
#include "assets/ppm.h"
#include "game/actions.h"
#include "game/clock.h"
#include "game/controls.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/score_keeping.h"
#include "game/settings.h"
#include "game/storage.h"
#include "game/window.h"
#include "platform/web/web_audio.h"
#include "platform/web/webgl_canvas.h"
#include "render/panel.h"
#include "render/view.h"

namespace {

constexpr const char *kCanvas = "#canvas";

WebGlCanvas canvas;
WindowLayout layout;
double started = 0;  // emscripten_get_now() at start-up
bool ended = false;

// The canvas element fills the page; it holds a pixel for each of the
// screen's (a high-resolution screen has several a CSS pixel).
void fitCanvas() {
    double width = 0, height = 0;
    emscripten_get_element_css_size(kCanvas, &width, &height);
    const double ratio = emscripten_get_device_pixel_ratio();
    const int pixelsWide = std::max(1, static_cast<int>(width * ratio));
    const int pixelsHigh = std::max(1, static_cast<int>(height * ratio));
    emscripten_set_canvas_element_size(kCanvas, pixelsWide, pixelsHigh);
    layout = layoutFor(pixelsWide, pixelsHigh);
    mark(MarkBoth);
}

// The game's end in a page: the settings written, the sound stopped, the last
// picture left as it is, and a line that says how to play again.
void endGame() {
    if (ended) return;
    ended = true;
    flushSettings(elapsedMs(), true);
    stopAudio();
    emscripten_cancel_main_loop();
    EM_ASM(showEnd());
}

void deliver(const Event &event) {
    startAudio();  // the browser lets sound start at the player's first click or key
    handleEvent(event);
    if (game.mode == Mode::Ending) endGame();
}

// A point of the canvas element, in CSS pixels, as a point of the picture.
bool picturePoint(double x, double y, int &px, int &py) {
    const double ratio = emscripten_get_device_pixel_ratio();
    return picturePointAt(layout, static_cast<int>(x * ratio), static_cast<int>(y * ratio), px, py);
}

EM_BOOL onMouse(int type, const EmscriptenMouseEvent *event, void *) {
    int px = 0, py = 0;
    if (!picturePoint(event->targetX, event->targetY, px, py)) return EM_FALSE;
    const bool left = event->button == 0;
    deliver(type == EMSCRIPTEN_EVENT_MOUSEDOWN ? Event::press(px, py, left)
                                               : Event::release(px, py, left));
    return EM_TRUE;
}

// A tap is a click, where the finger first touched.
EM_BOOL onTouch(int type, const EmscriptenTouchEvent *event, void *) {
    for (int i = 0; i < event->numTouches; ++i) {
        const EmscriptenTouchPoint &touch = event->touches[i];
        int px = 0, py = 0;
        if (!touch.isChanged || !picturePoint(touch.targetX, touch.targetY, px, py)) continue;
        deliver(type == EMSCRIPTEN_EVENT_TOUCHSTART ? Event::press(px, py)
                                                    : Event::release(px, py));
        return EM_TRUE;  // and no mouse event is made up from it
    }
    return EM_FALSE;
}

// The browser's key names as the game's keys, and a character typed as itself
// (Latin-1, as the game's name entry takes it).
EM_BOOL onKey(int, const EmscriptenKeyboardEvent *event, void *) {
    static const struct {
        const char *name;
        Key key;
    } kNamed[] = {{"Enter", Key::Enter},      {"Backspace", Key::Backspace},
                  {"Escape", Key::Escape},    {"ArrowUp", Key::Up},
                  {"ArrowDown", Key::Down},   {"ArrowLeft", Key::Left},
                  {"ArrowRight", Key::Right}, {"F1", Key::F1},
                  {"F11", Key::F11}};
    const std::string key = event->key;
    if (event->ctrlKey && (key == "n" || key == "N")) {
        deliver(Event::pressed(Key::CtrlN));
        return EM_TRUE;
    }
    if (event->ctrlKey || event->altKey || event->metaKey) return EM_FALSE;  // the browser's
    for (const auto &named : kNamed) {
        if (key == named.name) {
            deliver(Event::pressed(named.key));
            return EM_TRUE;
        }
    }
    const unsigned char first = static_cast<unsigned char>(key[0]);
    if (key.size() == 1) {
        deliver(Event::typed(first));
        return EM_TRUE;
    }
    if (key.size() == 2 && (first == 0xc2 || first == 0xc3)) {  // Latin-1 in UTF-8
        deliver(Event::typed(static_cast<unsigned char>((first & 0x03) << 6 | (key[1] & 0x3f))));
        return EM_TRUE;
    }
    return EM_FALSE;
}

EM_BOOL onVisibility(int, const EmscriptenVisibilityChangeEvent *event, void *) {
    if (event->hidden) deliver(Event::hidden());
    return EM_FALSE;
}

EM_BOOL onResize(int, const EmscriptenUiEvent *, void *) {
    fitCanvas();
    return EM_FALSE;
}

// One animation frame of the browser's: the game's step when it has work,
// then one frame of the areas it marked, then the settings when one is due.
void frame() {
    if (nextStepDelay() == 0) stepGame();
    if (game.mode == Mode::Ending) return endGame();
    if (game.marks != 0) {
        // One surface holds both areas, so both are drawn.
        game.marks = 0;
        drawPanel(canvas, layout);
        drawView(canvas, layout);
    }
    flushSettings(elapsedMs(), false);
}

// As on the desktop, a missing or unusable picture stops the start with its
// message and its reason, both on the page (standard error).
bool loadBlockPicture(int block, const char *file, const char *message) {
    std::string bytes;
    PpmImage image;
    const char *why = nullptr;
    if (!readSmallFile(dataFile(file), bytes, kMaxPpmFileBytes))
        why = describeFileError(errno);
    else
        readPpm(bytes, image, std::min(canvas.largestPicture(), kMaxPpmSide), &why);
    if (why != nullptr) {
        std::fprintf(stderr, "%s%s: %s\n", message, file, why);
        return false;
    }
    canvas.loadPicture(block, image);
    return true;
}

}  // namespace

Millis elapsedMs() { return static_cast<Millis>(emscripten_get_now() - started); }

// F11 asks the browser for full screen; the browser leaves it on Escape
// itself, and a page cannot start in it, so nothing is remembered.
void toggleFullScreen() {
    EM_ASM({
        if (document.fullscreenElement)
            document.exitFullscreen();
        else
            document.documentElement.requestFullscreen();
    });
}

void leaveFullScreen() {
    EM_ASM({
        if (document.fullscreenElement) document.exitFullscreen();
    });
}

int main() {
    started = emscripten_get_now();
    // The page's files: the data beside the page, the player's own in the
    // browser's store (kept across reloads).
    GamePaths paths;
    paths.scores = "/save/";
    paths.settings = "/save/settings";
    useGamePaths(paths);
    scoreFilePath = paths.scores + "scores.dat";
    loadSettings(paths.settings);

    if (!canvas.create(kCanvas)) {
        EM_ASM(showNoWebGL());
        return 1;
    }
    if (!loadBlockPicture(Red, "red.ppm", "Couldn't find red texture file\n") ||
        !loadBlockPicture(Green, "green.ppm", "Couldn't find green texture file\n") ||
        !loadBlockPicture(Blue, "blue.ppm", "Couldn't find blue texture file\n") ||
        !loadBlockPicture(LightBlue, "lightblue.ppm", "Couldn't find light blue texture file\n"))
        return 1;
    dealFirstGame();
    fitCanvas();

    emscripten_set_mousedown_callback(kCanvas, nullptr, EM_TRUE, onMouse);
    emscripten_set_mouseup_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_TRUE, onMouse);
    emscripten_set_touchstart_callback(kCanvas, nullptr, EM_TRUE, onTouch);
    emscripten_set_touchend_callback(kCanvas, nullptr, EM_TRUE, onTouch);
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_TRUE, onKey);
    emscripten_set_visibilitychange_callback(nullptr, EM_TRUE, onVisibility);
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, onResize);
    emscripten_set_main_loop(frame, 0, 0);
    return 0;
}
