#include "game/clock.h"

#include <GL/glut.h>

Millis elapsedMs() { return static_cast<Millis>(glutGet(GLUT_ELAPSED_TIME)); }
