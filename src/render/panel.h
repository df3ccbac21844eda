#pragma once

// Draws the whole control panel, as the game's state shows it, into the main
// window.
void drawPanel();
