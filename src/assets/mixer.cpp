#include "assets/mixer.h"

#include <algorithm>
#include <iterator>

namespace {

int sampleAt(const std::uint8_t *at) { return static_cast<std::int16_t>(at[0] | at[1] << 8); }

}  // namespace

bool Mixer::full() const {
    return std::all_of(std::begin(slots_), std::end(slots_), [](const Slot &slot) {
        return slot.playing.load(std::memory_order_acquire);
    });
}

int Mixer::start(Clip clip) {
    for (int i = 0; i < kSlots; ++i) {
        Slot &slot = slots_[i];
        // Acquire pairs with the mixer's release: its reads of the old clip
        // are over before the clip is freed here.
        if (slot.playing.load(std::memory_order_acquire)) continue;
        slot.clip = std::move(clip);
        slot.played = 0;
        slot.playing.store(true, std::memory_order_release);
        return i;
    }
    return -1;
}

// As SDL_MixAudio adds signed 16-bit samples at full volume: the plain sum,
// held at 32767 and -32768 rather than wrapping round into a loud click.
void Mixer::mix(std::uint8_t *stream, std::size_t bytes) {
    bytes -= bytes % kAudioFrameBytes;
    for (Slot &slot : slots_) {
        if (!slot.playing.load(std::memory_order_acquire)) continue;
        const std::size_t amount = std::min<std::size_t>(bytes, slot.clip.size - slot.played);
        const std::uint8_t *from = slot.clip.bytes.get() + slot.played;
        for (std::size_t i = 0; i < amount; i += 2) {
            const int sum = std::clamp(sampleAt(stream + i) + sampleAt(from + i), -32768, 32767);
            stream[i] = static_cast<std::uint8_t>(sum & 0xff);
            stream[i + 1] = static_cast<std::uint8_t>((sum >> 8) & 0xff);
        }
        slot.played += static_cast<std::uint32_t>(amount);
        if (slot.played == slot.clip.size) slot.playing.store(false, std::memory_order_release);
    }
}
