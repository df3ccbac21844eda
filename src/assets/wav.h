// The game's sound clips: WAV files read from their bytes and converted to the
// mixer's device format by the game's own code, the same on every platform.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "assets/mixer.h"

// What a WAV file holds: linear PCM samples and their format.
struct WavSound {
    int channels = 0;
    std::uint32_t rate = 0;    // frames a second
    int bits = 0;              // 8 (unsigned) or 16 (signed, little-endian)
    std::string_view samples;  // the file's sound data, within the bytes it was read from
};

// Reads a RIFF/WAVE file of PCM samples from its bytes: the format and the
// sound data may come in either order, and chunks of other kinds are skipped.
// Returns an empty string, or why the file cannot be played.
std::string readWav(std::string_view file, WavSound &sound);

// Converts `sound` to the device format: mono, stereo, 4 or 6 channels at 1 to
// 384 kHz, 8 or 16 bits. Returns an empty string, or why it cannot: another
// format, a clip over kMaxClipBytes once converted, no memory for it.
std::string convertToDevice(const WavSound &sound, Clip &clip);

// Both of the above: the bytes of a clip's file to a clip ready to play.
std::string decodeClip(std::string_view file, Clip &clip);
