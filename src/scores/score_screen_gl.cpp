// PLACEHOLDER until the high-score screen is drawn.
#include "scores/high_scores.h"

void drawScoreScreen(const HighScoreEntry *, int, int) {}
