// Bitmap text in GLUT's fonts.
#pragma once

// Makes `font` ready for drawText in the current window, the first time it is
// called there, by drawing all its characters into the window's back buffer:
// call it at the start of a frame, before the frame clears that buffer. (Not
// when the window is made: that would hold back its first appearance.) In a
// window less than 256 pixels a side, text is left to GLUT.
void prepareText(void *font);

// A line of text with its raster position at (x, y, 0) under the current
// matrices, in the current colour, exactly as GLUT's glutBitmapCharacter would
// draw it there. Set the colour first. The line waits for flushText, so that
// all of a frame's text is drawn at once: whatever is drawn in between ends up
// under the text, so nothing meant to cover it may be.
void drawText(float x, float y, void *font, const char *text);

// Draws the text waiting in the current window, over whatever depth lies there.
void flushText();
