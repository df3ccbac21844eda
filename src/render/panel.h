#pragma once

// Draws the whole control panel. Display callback of the main window, and
// called directly by the idle step, the mouse and keys, and most actions.
void drawPanel();
