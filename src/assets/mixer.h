// The game's sound mixer: eleven slots of playing clips, added together into
// the stream of the sound device. Every platform mixes with this same code; a
// platform only opens its device and calls mix() from its sound thread.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

// The device format: signed 16-bit little-endian samples, stereo, 22050 frames
// a second. The game's clips are made for it, so most play as they are.
constexpr int kAudioRate = 22050;
constexpr int kAudioChannels = 2;
constexpr std::size_t kAudioFrameBytes = 4;
// Largest clip the game keeps, in device-format bytes: about six minutes, so
// that eleven at once stay within reason.
constexpr std::size_t kMaxClipBytes = 32u << 20;

// A clip in the device format, whole frames, ready to play.
struct Clip {
    std::unique_ptr<std::uint8_t[]> bytes;
    std::uint32_t size = 0;
};

// One thread starts clips (start, full) and one mixes them (mix); neither ever
// waits for the other. A slot belongs to the mixing thread from the moment a
// clip is handed to it until the mixer has played the clip through and marked
// the slot free; only then does the starting thread touch it again, free the
// old clip and hand over the next. So the mixing thread, which has to keep up
// with the device, never allocates, frees or waits.
class Mixer {
  public:
    static constexpr int kSlots = 11;

    // All eleven slots are playing: a clip started now would be dropped.
    bool full() const;

    // Starts `clip` in the lowest free slot and returns that slot, or -1 when
    // all eleven are playing (the clip is then dropped).
    int start(Clip clip);

    // Adds the next `bytes` (whole frames are used) of every playing clip into
    // the device-format `stream`, sample by sample, held at the 16-bit limits
    // where the sum would overflow. A clip that ends frees its slot.
    void mix(std::uint8_t *stream, std::size_t bytes);

  private:
    struct Slot {
        Clip clip;
        std::uint32_t played = 0;  // bytes of the clip already mixed
        // Set by the starting thread when it hands the slot over (release:
        // the clip is written first), cleared by the mixing thread when the
        // clip has ended (release: its last reads of the clip come first).
        std::atomic<bool> playing{false};
    };
    Slot slots_[kSlots];
};
