// Small files of the player's (the high-score table, the settings): read
// without ever waiting on what lies in their place, and written whole, so that
// a write cut off at any moment leaves the old file or the new one.
#pragma once

#include <cstddef>
#include <string>

// The folder part of `path` ("" for the working directory, else ending in '/').
std::string folderOf(const std::string &path);

// Reads the whole of `path` into `bytes`. It is opened without waiting, so
// that a pipe in its place cannot hold the game up, and refused unless it is a
// regular file of at most `limit` bytes. Returns 1, or 0 with errno (EINVAL for
// what is no regular file, EFBIG for one too large; ENOENT: there is none).
int readSmallFile(const std::string &path, std::string &bytes, std::size_t limit);

// Replaces `target` with `size` bytes as a whole: a temporary file of a name no
// other write uses, made afresh beside it (never through a link), written,
// flushed to disk and renamed over it, then the folder flushed so that the
// rename lasts. The file keeps its permissions; a new one gets the usual ones.
// Returns 1, or 0 with errno from the step that failed (nothing is left
// behind, and the old file is as it was).
int replaceFile(const std::string &target, const void *bytes, std::size_t size);
