// Bitmap text in GLUT's fonts.
#pragma once

// Makes `font` ready for drawText in the current window, by drawing all its
// characters once into the window's back buffer: call it before the window's
// first frame. In a window less than 256 pixels a side, text is left to GLUT.
void prepareText(void *font);

// A line of text with its raster position at (x, y, 0) under the current
// matrices, in the current colour, exactly as GLUT's glutBitmapCharacter would
// draw it there. Set the colour first. The line waits for flushText, so that
// all of a frame's text is drawn at once: it must not lie under anything drawn
// before that.
void drawText(float x, float y, void *font, const char *text);

// Draws the text waiting in the current window, over whatever depth lies there.
void flushText();
