// Small files of the player's (the high-score table, the settings): read
// without ever waiting on what lies in their place, and written whole, so that
// a write cut off at any moment leaves the old file or the new one.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

// The folder part of `path` ("" for the working directory, else ending in '/').
std::string folderOf(const std::string &path);

// Creates the folder `path` (ending in '/'; "" is the working directory) and
// the missing ones above it. Returns 0 when it is there, else -1 with errno
// from the first folder that could not be made.
int makeFolders(const std::string &path);

// Reads the whole of `path` into `bytes`. It is opened without waiting, so
// that a pipe in its place cannot hold the game up, and refused unless it is a
// regular file of at most `limit` bytes. Returns 1, or 0 with errno (EISDIR for
// a folder, EINVAL for any other thing that is no regular file, such as a pipe
// or a device; EFBIG for one too large; ENOENT: there is none).
int readSmallFile(const std::string &path, std::string &bytes, std::size_t limit);

// Replaces `target` with `size` bytes as a whole: a temporary file of a name no
// other write uses, made afresh beside it (never through a link), written,
// flushed to disk and renamed over it, then the folder flushed so that the
// rename lasts. The file keeps its permissions; a new one gets the usual ones.
// Returns 1, or 0 with errno from the step that failed (nothing is left
// behind, and the old file is as it was).
int replaceFile(const std::string &target, const void *bytes, std::size_t size);

// Changes the player's file `path` as a whole, under a lock that every game
// takes for its writes of that file: "<file>.lock" beside it. Where `path` is a
// link (to a synced folder, say), the file it leads to is the one locked and
// replaced, so that the link stays. Makes the file's folder when missing, waits
// up to `lockWaitMs` for another game's write to end, then reads the file as it
// now stands (at most `limit` bytes) and hands its bytes to `change`, with
// `exists` false (and no bytes) when there is none yet; when `change` returns
// true, writes what it left in `bytes` with replaceFile. Returns 1 on success
// (nothing to write included), or 0 with errno from the first step that
// failed (EWOULDBLOCK: the lock was not had in time). A file that exists but
// cannot be read may still hold what the player cares about: it is never
// replaced, and `change` is not called. Where the player's files are kept
// elsewhere as well (a browser's store, which other pages of the game share),
// `change` is carried out again there later, on the file as it then stands:
// it must depend only on its arguments and on what it holds by value.
int updatePlayerFile(const std::string &path, std::size_t limit, int lockWaitMs,
                     const std::function<bool(std::string &bytes, bool exists)> &change);

// What an errno from these routines means to the player: "not a regular file"
// for EINVAL, "another game is saving to it" for a lock not had in time, else
// the system's words.
const char *describeFileError(int err);
