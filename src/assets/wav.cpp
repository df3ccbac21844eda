#include "assets/wav.h"

#include <cstdint>
#include <new>

namespace {

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

// Sample `channel` of the frame at `frame`, widened to 16 bits as SDL widens
// 8-bit samples: the unsigned byte moved to signed and into the high byte.
int sampleOf(const char *frame, int channel, int bits) {
    if (bits == 8) return (static_cast<std::uint8_t>(frame[channel]) - 128) * 256;
    const auto *at = reinterpret_cast<const std::uint8_t *>(frame) + 2 * channel;
    return static_cast<std::int16_t>(at[0] | at[1] << 8);
}

std::string unsupportedWidth(int bits) {
    return "unsupported format (" + std::to_string(bits) + "-bit samples)";
}

void store(std::uint8_t *at, int sample) {
    at[0] = static_cast<std::uint8_t>(sample & 0xff);
    at[1] = static_cast<std::uint8_t>((sample >> 8) & 0xff);
}

}  // namespace

std::string readWav(std::string_view file, WavSound &sound) {
    if (file.size() < 12 || file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "WAVE")
        return "not a WAV file";
    bool format = false, data = false;
    int tag = 0;
    // The RIFF header's own length is often wrong in files cut or written by
    // streaming tools; the chunks are walked to the end of the file instead.
    for (std::size_t at = 12; at + 8 <= file.size() && !(format && data);) {
        const std::string_view id = file.substr(at, 4);
        const std::size_t size = littleEndian(file, at + 4, 4);
        at += 8;
        if (size > file.size() - at) return "cut short";
        if (id == "fmt ") {
            if (size < 16) return "a damaged format chunk";
            tag = static_cast<int>(littleEndian(file, at, 2));
            sound.channels = static_cast<int>(littleEndian(file, at + 2, 2));
            sound.rate = littleEndian(file, at + 4, 4);
            sound.bits = static_cast<int>(littleEndian(file, at + 14, 2));
            format = true;
        } else if (id == "data") {
            sound.samples = file.substr(at, size);
            data = true;
        }
        at += size + size % 2;  // a chunk of odd length is followed by a pad byte
    }
    if (!format) return "no format chunk";
    if (!data) return "no sound data";
    if (tag != 1) return "not PCM (format " + std::to_string(tag) + ")";
    if (sound.bits != 8 && sound.bits != 16) return unsupportedWidth(sound.bits);
    return "";
}

// The channels fold to stereo as SDL 1.2 folds them: mono goes to both sides;
// four channels are taken as left front and back, then right front and back,
// each pair averaged; of six, the front left and right are kept.
//
// The rate is changed by holding samples: each device frame takes the clip's
// latest frame at or before its own moment. Between rates a power of two apart
// (the game's clips are at 11025, 22050 and 44100 Hz) that is exactly what
// SDL's steps do, doubling each frame or keeping every other one; at other
// rates it keeps the clip's pitch, where SDL would play it off key.
std::string convertToDevice(const WavSound &sound, Clip &clip) {
    if (sound.bits != 8 && sound.bits != 16) return unsupportedWidth(sound.bits);
    const int channels = sound.channels;
    if ((channels != 1 && channels != 2 && channels != 4 && channels != 6) || sound.rate < 1000 ||
        sound.rate > 384000)
        return "unsupported format (" + std::to_string(channels) + " channels at " +
               std::to_string(sound.rate) + " Hz)";
    const std::size_t frameBytes = static_cast<std::size_t>(channels * sound.bits / 8);
    const std::uint64_t rate = sound.rate;
    const std::uint64_t frames =
        static_cast<std::uint64_t>(sound.samples.size() / frameBytes) * kAudioRate / rate;
    if (frames * kAudioFrameBytes > kMaxClipBytes)
        return "longer than a sound effect (over 32 MiB once converted)";
    const std::size_t size = static_cast<std::size_t>(frames) * kAudioFrameBytes;
    clip.bytes.reset(new (std::nothrow) std::uint8_t[size]);
    if (!clip.bytes) return "Out of memory";
    clip.size = static_cast<std::uint32_t>(size);
    for (std::uint64_t i = 0; i < frames; ++i) {
        const char *frame = sound.samples.data() + i * rate / kAudioRate * frameBytes;
        int left = sampleOf(frame, 0, sound.bits);
        int right = channels == 1 ? left : sampleOf(frame, 1, sound.bits);
        if (channels == 4) {
            left = (left + right) / 2;  // rounded toward zero, as SDL does
            right = (sampleOf(frame, 2, sound.bits) + sampleOf(frame, 3, sound.bits)) / 2;
        }
        store(&clip.bytes[i * kAudioFrameBytes], left);
        store(&clip.bytes[i * kAudioFrameBytes + 2], right);
    }
    return "";
}

std::string decodeClip(std::string_view file, Clip &clip) {
    WavSound sound;
    std::string why = readWav(file, sound);
    return why.empty() ? convertToDevice(sound, clip) : why;
}
