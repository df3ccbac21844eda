// The sound device: SDL opens it and its audio thread calls the game's mixer
// (assets/mixer.h); the clips are read and converted by the game's own code.
#pragma once

#include <SDL/SDL_audio.h>

#include <cstdint>

#include "assets/mixer.h"
#include "game/audio.h"

// Frames a callback fills: 512, about 23 ms at the device's rate.
constexpr int kAudioFrames = 512;

// The clips playing, mixed on SDL's audio thread; playSound starts them.
extern Mixer soundMixer;

// Fills the device format with the mixing callback, ready for SDL_OpenAudio.
void fillAudioSpec(SDL_AudioSpec &spec);

// Audio callback: adds every playing clip's next bytes into the stream.
void mixAudio(void *userdata, std::uint8_t *stream, int len);
