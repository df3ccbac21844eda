// The player's files kept on this machine's own file system only (the desktop).
#include "platform/posix/storage.h"

int updatePlayerFile(const std::string &path, std::size_t limit, int lockWaitMs,
                     const std::function<bool(std::string &bytes, bool exists)> &change) {
    return updateLocalFile(path, limit, lockWaitMs, change);
}
