// The player's input, as events that say nothing of the window system they
// came from, turned into the game's actions under the guards of its mode.
#pragma once

#include "game/types.h"

// The keys that type no character.
enum class Key : unsigned char {
    None,
    Enter,
    Backspace,
    Escape,
    CtrlN,
    Up,
    Down,
    Left,
    Right,
    F1,
    F11
};

struct Event {
    enum Kind : unsigned char {
        Press,    // a mouse button went down at (x, y)
        Release,  // a mouse button came up at (x, y)
        Type,     // a key: `key`, or for Key::None the `character` it typed
        Hidden,   // the window was minimised or wholly covered
    } kind;
    // Press and Release: whether it was the left button, which is the only one
    // that presses buttons and clicks blocks, and the point of the 800 by 600
    // picture under the pointer (x right, y up from its bottom-left corner;
    // beyond its edges while a button is held outside the window).
    bool left = true;
    int x = 0, y = 0;
    Key key = Key::None;
    unsigned char character = 0;  // Latin-1, as the keyboard typed it

    static Event press(int x, int y, bool left = true) { return {Press, left, x, y}; }
    static Event release(int x, int y, bool left = true) { return {Release, left, x, y}; }
    static Event typed(unsigned char c) { return {Type, true, 0, 0, Key::None, c}; }
    static Event pressed(Key k) { return {Type, true, 0, 0, k}; }
    static Event hidden() { return {Hidden}; }
};

// Acts on one event at once, or, while the game waits (a level's end, a new
// game's first second), keeps it until the wait is over. Only q, outside the
// name entry, ends the game even then, once the events kept before it have
// been handled.
void handleEvent(const Event &event);

// Acts on the events kept during a wait, in the order they came; run by the
// game's step when the wait ends.
void handleHeldEvents();

// The controls as the player is told of them (--help, the manual page and the
// README say the same): what to press, the buttons' names and keys, and
// what it does.
struct ControlHelp {
    const char *input;
    const char *action;
};
extern const ControlHelp kControlsHelp[16];
