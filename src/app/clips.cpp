#include "app/clips.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include "app/paths.h"
#include "assets/wav.h"
#include "game/storage.h"

bool loadClip(const char *name, Clip &clip) {
    const std::string path = dataFile(name);
    std::string bytes, why;
    if (!readSmallFile(path, bytes, kMaxClipBytes))  // a bigger file could not fit converted
        why = errno == EINVAL  ? "not a regular file"
              : errno == EFBIG ? "longer than a sound effect (over 32 MiB)"
                               : std::strerror(errno);
    else
        why = decodeClip(bytes, clip);
    if (why.empty()) return true;
    std::fprintf(stderr, "Couldn't load %s: %s\n", path.c_str(), why.c_str());
    return false;
}

void startClip(Mixer &mixer, const char *name) {
    if (mixer.full()) return;
    Clip clip;
    if (loadClip(name, clip)) mixer.start(std::move(clip));
}
