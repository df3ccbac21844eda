// Sound on the desktop: SDL's device and audio thread around the game's mixer.
// Clips are read and converted afresh on every play, on the main thread.
#include "platform/desktop/audio.h"

#include "app/clips.h"

Mixer soundMixer;

void fillAudioSpec(SDL_AudioSpec &spec) {
    spec = SDL_AudioSpec();
    spec.freq = kAudioRate;
    spec.format = AUDIO_S16LSB;
    spec.channels = kAudioChannels;
    spec.samples = kAudioFrames;
    spec.callback = mixAudio;
    spec.userdata = nullptr;
}

// SDL hands over a silent buffer, so every playing clip is simply added on top.
void mixAudio(void *, std::uint8_t *stream, int len) {
    if (len > 0) soundMixer.mix(stream, static_cast<std::size_t>(len));
}

void playSound(const char *file) { startClip(soundMixer, file); }
