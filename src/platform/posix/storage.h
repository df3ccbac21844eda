// The player's files on this machine's own file system.
#pragma once

#include "game/storage.h"

// updatePlayerFile on the files of this machine: the folder made, links
// followed, the lock taken, the file read, changed and replaced whole, as
// game/storage.h tells. On the desktop it is all there is; a browser keeps
// the files in a store of its own besides.
int updateLocalFile(const std::string &path, std::size_t limit, int lockWaitMs,
                    const std::function<bool(std::string &bytes, bool exists)> &change);
