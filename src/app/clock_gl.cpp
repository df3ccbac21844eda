#include <GL/glut.h>

#include "game/clock.h"

Millis elapsedMs() { return static_cast<Millis>(glutGet(GLUT_ELAPSED_TIME)); }
