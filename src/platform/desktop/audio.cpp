// Starting a clip: the main thread's half of the engine. Clips are read and
// converted afresh on every play, outside the audio lock, so the lock is held
// only for the three stores that hand a slot to the mixer.
#include "platform/desktop/audio.h"

#include <SDL/SDL.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/paths.h"
#include "game/storage.h"

void *(*soundBufferAlloc)(std::size_t bytes) = std::malloc;

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
    const std::string path = dataFile(name);
    SDL_AudioSpec wave;
    Uint8 *wavdata = nullptr;
    Uint32 wavlen = 0;
    SDL_AudioCVT cvt;
    void *buf = nullptr;
    // SDL's reader and converter trust the header: they are only handed a
    // whole file from memory, and a format that the converter can take.
    std::string bytes;
    if (!readSmallFile(path, bytes, kMaxClipBytes))  // a bigger file could not fit converted
        SDL_SetError("%s", errno == EINVAL  ? "not a regular file"
                           : errno == EFBIG ? "longer than a sound effect (over 32 MiB)"
                                            : std::strerror(errno));
    else if (SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1,
                            &wave, &wavdata, &wavlen) != nullptr) {
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
