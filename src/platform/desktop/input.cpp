#include "platform/desktop/input.h"

#include <GL/glut.h>

#include "game/controls.h"
#include "game/game_state.h"
#include "platform/desktop/window_layer.h"
#include "render/window_layout.h"

namespace {

// Ctrl+N reaches GLUT as the control character it types.
constexpr unsigned char kCtrlN = 14;

// The game takes the event; q or a second Exit ends the program at once, in
// the thick of any storm of events still waiting.
void deliver(const Event &event) {
    handleEvent(event);
    if (game.mode == Mode::Ending) quitGame();
}

}  // namespace

void onMouse(int button, int state, int x, int y) {
    int px = 0, py = 0;
    if (!picturePointAt(desktop.layout, x, y, px, py)) return;  // the margins hold nothing
    const bool left = button == GLUT_LEFT_BUTTON;
    deliver(state == GLUT_DOWN ? Event::press(px, py, left) : Event::release(px, py, left));
}

void onKeyboard(unsigned char key, int, int) {
    switch (key) {
        case '\r':
            return deliver(Event::pressed(Key::Enter));
        case '\b':
            return deliver(Event::pressed(Key::Backspace));
        case 27:
            return deliver(Event::pressed(Key::Escape));
        case kCtrlN:
            return deliver(Event::pressed(Key::CtrlN));
        default:
            return deliver(Event::typed(key));
    }
}

void onSpecialKey(int key, int, int) {
    switch (key) {
        case GLUT_KEY_F1:
            return deliver(Event::pressed(Key::F1));
        case GLUT_KEY_F11:
            return deliver(Event::pressed(Key::F11));
        case GLUT_KEY_LEFT:
            return deliver(Event::pressed(Key::Left));
        case GLUT_KEY_RIGHT:
            return deliver(Event::pressed(Key::Right));
        case GLUT_KEY_UP:
            return deliver(Event::pressed(Key::Up));
        case GLUT_KEY_DOWN:
            return deliver(Event::pressed(Key::Down));
        default:
            return;  // the other special keys mean nothing
    }
}

void onWindowStatus(int state) {
    if (state == GLUT_HIDDEN || state == GLUT_FULLY_COVERED) deliver(Event::hidden());
}
