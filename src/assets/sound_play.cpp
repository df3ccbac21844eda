// Starting a clip: the main thread's half of the engine. Clips are read and
// converted afresh on every play, outside the audio lock, so the lock is held
// only for the three stores that hand a slot to the mixer.
#include <SDL/SDL.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "assets/sound.h"

void *(*soundBufferAlloc)(std::size_t bytes) = std::malloc;
const char *clipFolder = "";

namespace {

// The mixer only ever moves dpos up to dlen, so a slot seen free here stays
// free until this thread refills it. Acquire pairs with the mixer's release:
// its last reads of the old buffer are over before we free it.
int findFreeSlot() {
    for (int i = 0; i < kSoundSlots; ++i) {
        if (soundSlots[i].dpos.load(std::memory_order_acquire) == soundSlots[i].dlen) return i;
    }
    return -1;
}

// Reads the whole of a clip's file. It is opened without waiting, so that a
// pipe in its place cannot hold the game up, and refused unless it is a regular
// file no larger than the engine's bound: a bigger one could not fit once
// converted anyway, and is turned away before it costs any memory.
bool readClipFile(const char *file, std::vector<Uint8> &bytes) {
    const int fd = open(file, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info;
    const char *why = nullptr;
    if (fd < 0 || fstat(fd, &info) != 0)
        why = std::strerror(errno);
    else if (!S_ISREG(info.st_mode))
        why = "not a regular file";
    else if (static_cast<std::uint64_t>(info.st_size) > kMaxClipBytes)
        why = "longer than a sound effect (over 32 MiB)";
    std::size_t got = 0;
    if (why == nullptr) {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        ssize_t n = 1;
        while (got < bytes.size() && (n = read(fd, bytes.data() + got, bytes.size() - got)) > 0)
            got += static_cast<std::size_t>(n);
        if (n < 0) why = std::strerror(errno);
    }
    if (fd >= 0) close(fd);
    bytes.resize(got);  // a file that shrank meanwhile is read as it now stands
    if (why != nullptr) SDL_SetError("%s", why);
    return why == nullptr;
}

// SDL's converter loops on a header with no channels or a rate of 0, and
// overruns its table of conversion steps for rates far from the device's, so
// a clip must be mono, stereo or a surround layout it folds to stereo, at a
// rate from 1 kHz to 384 kHz.
bool convertible(const SDL_AudioSpec &wave) {
    const bool layout =
        wave.channels == 1 || wave.channels == 2 || wave.channels == 4 || wave.channels == 6;
    return layout && wave.freq >= 1000 && wave.freq <= 384000;
}

}  // namespace

int loadClip(const char *name, std::uint8_t *&data, std::uint32_t &len) {
    const std::string path = std::string(clipFolder) + name;
    SDL_AudioSpec wave;
    Uint8 *wavdata = nullptr;
    Uint32 wavlen = 0;
    SDL_AudioCVT cvt;
    void *buf = nullptr;
    // SDL's reader and converter trust the header: they are only handed a
    // whole file from memory, and a format that the converter can take.
    std::vector<Uint8> bytes;
    if (readClipFile(path.c_str(), bytes) &&
        SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1, &wave,
                       &wavdata, &wavlen) != nullptr) {
        if (!convertible(wave) || SDL_BuildAudioCVT(&cvt, wave.format, wave.channels, wave.freq,
                                                    AUDIO_S16LSB, kAudioChannels, kAudioRate) < 0) {
            SDL_SetError("unsupported format (%d channels at %d Hz)", wave.channels, wave.freq);
        } else {
            // The conversion runs in place, so the buffer must hold the clip
            // at its widest stage, and the slot keeps that buffer until the
            // clip ends. Clips are bounded so that eleven at once stay within
            // reason (and within SDL's int lengths); a longer one is refused
            // like one that does not fit in memory.
            const std::size_t size =
                static_cast<std::size_t>(wavlen) * static_cast<std::size_t>(cvt.len_mult);
            if (size > kMaxClipBytes)
                SDL_SetError("longer than a sound effect (over 32 MiB once converted)");
            else if ((buf = soundBufferAlloc(size > 0 ? size : 1)) == nullptr)
                SDL_OutOfMemory();
            else
                std::memcpy(buf, wavdata, wavlen);
        }
        SDL_FreeWAV(wavdata);
    }
    if (buf == nullptr) {
        std::fprintf(stderr, "Couldn't load %s: %s\n", path.c_str(), SDL_GetError());
        return 0;
    }
    cvt.buf = static_cast<Uint8 *>(buf);
    cvt.len = static_cast<int>(wavlen);
    SDL_ConvertAudio(&cvt);
    data = cvt.buf;
    len = static_cast<std::uint32_t>(cvt.len_cvt);
    return 1;
}

void playSound(const char *file) {
    int index = findFreeSlot();
    if (index < 0) return;  // eleven clips already playing: this one is dropped

    std::uint8_t *data = nullptr;
    std::uint32_t len = 0;
    if (!loadClip(file, data, len)) return;  // the slot stays free

    SoundSlot &slot = soundSlots[index];
    std::free(slot.data);  // a finished clip's buffer; the mixer no longer reads it
    SDL_LockAudio();
    slot.data = data;
    slot.dlen = len;
    slot.dpos.store(0, std::memory_order_relaxed);
    SDL_UnlockAudio();
}
