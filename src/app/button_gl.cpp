// PLACEHOLDER until buttons are drawn: records the rectangle only.
#include "app/button.h"

void Button::draw(int bx, int by, const char *) {
    x = bx;
    y = by;
    w = 83;
    h = 23;
}
