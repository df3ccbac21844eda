#pragma once

// Loads a raw PPM file into a new mipmapped GL texture of the current context
// and leaves it bound. Returns the texture name, or 0 when the file cannot be
// used, with `why` naming the reason. `repeat` selects GL_REPEAT (non-zero) or
// GL_CLAMP wrapping. Pictures larger than the driver's GL_MAX_TEXTURE_SIZE on a
// side are refused.
unsigned int loadTexture(const char *path, int repeat, const char *&why);
