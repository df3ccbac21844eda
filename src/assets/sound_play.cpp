// Starting a clip: the main thread's half of the engine. Clips are read and
// converted afresh on every play, outside the audio lock, so the lock is held
// only for the three stores that hand a slot to the mixer.
#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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

}  // namespace

int loadClip(const char *name, std::uint8_t *&data, std::uint32_t &len) {
    const std::string path = std::string(clipFolder) + name;
    const char *file = path.c_str();
    SDL_AudioSpec wave;
    Uint8 *wavdata = nullptr;
    Uint32 wavlen = 0;
    if (SDL_LoadWAV_RW(SDL_RWFromFile(file, "rb"), 1, &wave, &wavdata, &wavlen) == nullptr) {
        std::fprintf(stderr, "Couldn't load %s: %s\n", file, SDL_GetError());
        return 0;
    }

    SDL_AudioCVT cvt;
    SDL_BuildAudioCVT(&cvt, wave.format, wave.channels, wave.freq, AUDIO_S16LSB, kAudioChannels,
                      kAudioRate);
    // The conversion runs in place, so the buffer must hold the clip at its
    // widest stage, and the slot keeps that buffer until the clip ends. Clips
    // are bounded so that eleven at once stay within reason (and within SDL's
    // int lengths); a longer one is refused like one that does not fit in memory.
    const std::size_t bytes =
        static_cast<std::size_t>(wavlen) * static_cast<std::size_t>(cvt.len_mult);
    void *buf = nullptr;
    if (bytes > kMaxClipBytes)
        SDL_SetError("longer than a sound effect (over 32 MiB once converted)");
    else if ((buf = soundBufferAlloc(bytes > 0 ? bytes : 1)) == nullptr)
        SDL_OutOfMemory();
    if (buf == nullptr) {
        SDL_FreeWAV(wavdata);
        std::fprintf(stderr, "Couldn't load %s: %s\n", file, SDL_GetError());
        return 0;
    }
    std::memcpy(buf, wavdata, wavlen);
    SDL_FreeWAV(wavdata);

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
