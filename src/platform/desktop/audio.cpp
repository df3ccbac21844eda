// Sound on the desktop: SDL's device and audio thread around the game's mixer.
// Clips are read and converted afresh on every play, on the main thread.
#include "platform/desktop/audio.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/paths.h"
#include "assets/wav.h"
#include "game/storage.h"

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

namespace {

// Reads `name` (in the data folder) and converts it to the device format.
// Returns true with the clip, or false after printing why it cannot be played.
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

}  // namespace

void playSound(const char *file) {
    if (soundMixer.full()) return;  // eleven clips already playing: this one is dropped
    Clip clip;
    if (loadClip(file, clip)) soundMixer.start(std::move(clip));
}
