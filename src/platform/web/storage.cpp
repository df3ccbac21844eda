// The player's files in a browser: the page works on copies in memory (read
// and written at once, as on the desktop), and each change is carried out
// again in the browser's store (IndexedDB), in one transaction on the file as
// it stands there, which other pages of the game may have changed meanwhile:
// two tabs that save at once keep both their records. The store's files are
// copied into memory before the game starts (pre.js).
#include "platform/posix/storage.h"

#include <emscripten.h>

#include <map>

namespace {

// A change on its way to the store, by the number pre.js knows it by.
struct Storing {
    std::string path;
    std::function<bool(std::string &, bool)> change;
    std::string bytes;  // the file as the store has it after the change
    bool stored = false;
};
std::map<int, Storing> storing;
int lastStoring = 0;

}  // namespace

// Called by the store's transaction with the file as it stands there: the
// change is carried out on it; 1 when the store is to be written.
extern "C" EMSCRIPTEN_KEEPALIVE int twChangeStored(int id, const char *bytes, int size,
                                                   int exists) {
    Storing &entry = storing[id];
    entry.bytes.assign(bytes, static_cast<std::size_t>(size));
    entry.stored = exists != 0;
    if (!entry.change(entry.bytes, exists != 0)) return 0;
    entry.stored = true;
    return 1;
}

extern "C" EMSCRIPTEN_KEEPALIVE const char *twStoredBytes(int id) {
    return storing[id].bytes.data();
}
extern "C" EMSCRIPTEN_KEEPALIVE int twStoredSize(int id) {
    return static_cast<int>(storing[id].bytes.size());
}

// The transaction is over: this page's copy becomes what the store holds, so
// that it shows what other pages saved too.
extern "C" EMSCRIPTEN_KEEPALIVE void twStoreDone(int id) {
    const Storing &entry = storing[id];
    if (entry.stored) replaceFile(entry.path, entry.bytes.data(), entry.bytes.size());
    storing.erase(id);
}

int updatePlayerFile(const std::string &path, std::size_t limit, int lockWaitMs,
                     const std::function<bool(std::string &bytes, bool exists)> &change) {
    const int done = updateLocalFile(path, limit, lockWaitMs, change);
    if (done) {
        const int id = ++lastStoring;
        storing[id] = {path, change, "", false};
        EM_ASM({ twStore($0, UTF8ToString($1)); }, id, path.c_str());
    }
    return done;
}
