// PLACEHOLDER until clips are mixed: the device runs silent.
#include "assets/sound.h"

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

void mixAudio(void *, std::uint8_t *, int) {}
void playSound(const char *) {}
