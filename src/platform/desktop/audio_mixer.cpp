// The slot table and the device callback, the half of the engine that runs on
// SDL's audio thread.
#include "platform/desktop/audio.h"

SoundSlot soundSlots[kSoundSlots];

void fillAudioSpec(SDL_AudioSpec &spec) {
    spec = SDL_AudioSpec();
    spec.freq = kAudioRate;
    spec.format = AUDIO_S16LSB;
    spec.channels = kAudioChannels;
    spec.samples = kAudioFrames;
    spec.callback = mixAudio;
    spec.userdata = nullptr;
}

// SDL hands over a silent buffer and holds its audio lock meanwhile, so every
// playing clip is simply added on top from the start of the buffer. The
// callback never allocates, frees or waits: it has to keep up with the device.
void mixAudio(void *, std::uint8_t *stream, int len) {
    if (len <= 0) return;
    for (SoundSlot &slot : soundSlots) {
        std::uint32_t pos = slot.dpos.load(std::memory_order_relaxed);
        std::uint32_t amount = slot.dlen - pos;
        if (amount > static_cast<std::uint32_t>(len)) amount = static_cast<std::uint32_t>(len);
        if (amount == 0) continue;  // finished: not a byte of its buffer is touched
        SDL_MixAudio(stream, slot.data + pos, amount, SDL_MIX_MAXVOLUME);
        // Release: once the main thread sees the slot finished, these reads of
        // the buffer are behind it and it may free the buffer without the lock.
        slot.dpos.store(pos + amount, std::memory_order_release);
    }
}
