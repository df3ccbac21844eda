// The sound engine: eleven playing-clip slots mixed by SDL's audio thread.
#pragma once

#include <SDL/SDL_audio.h>

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "game/audio.h"

// Device format: 22050 Hz, signed 16-bit little-endian, stereo, 512 frames.
constexpr int kAudioRate = 22050;
constexpr int kAudioChannels = 2;
constexpr int kAudioFrames = 512;
constexpr int kSoundSlots = 11;
// Largest clip the engine keeps, in device-format bytes: about six minutes.
constexpr std::size_t kMaxClipBytes = 32u << 20;

// One playing clip. A slot is free when dpos has reached dlen.
struct SoundSlot {
    std::uint8_t *data = nullptr;        // samples in the device format, owned by the slot
    std::atomic<std::uint32_t> dpos{0};  // bytes already mixed
    std::uint32_t dlen = 0;              // length of data in bytes
};

extern SoundSlot soundSlots[kSoundSlots];

// Fills the device format with the mixing callback, ready for SDL_OpenAudio.
void fillAudioSpec(SDL_AudioSpec &spec);

// Audio callback: adds every playing slot's next bytes into the stream.
void mixAudio(void *userdata, std::uint8_t *stream, int len);

// Reads `file` (in the data folder) and converts it to the device format. Returns 1 with `data`
// (to be released with std::free) and its length in bytes, or 0 after printing
// why the clip cannot be played.
int loadClip(const char *file, std::uint8_t *&data, std::uint32_t &len);

// Allocates a clip's conversion buffer (std::malloc unless a test swaps in
// one that fails); whatever it returns is released with std::free.
extern void *(*soundBufferAlloc)(std::size_t bytes);
