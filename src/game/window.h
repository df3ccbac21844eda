// What the game asks of the window it is shown in.
#pragma once

// F11: the game's window fills the screen, or goes back to the size and place
// it had. Escape: back from full screen; in a window it does nothing. Both
// are remembered for the next run.
void toggleFullScreen();
void leaveFullScreen();
