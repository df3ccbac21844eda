// PLACEHOLDER until the credits are drawn.
#include "render/credits.h"
#include "render/view.h"

void showCredits() { drawView(); }
