// The device callback: what lands in the stream, and how far each slot moves.
#include <cstring>

#include "sound_test_support.h"

namespace {

constexpr int kStreamBytes = kAudioFrames * kAudioChannels * 2;

void fillSlot(int index, const std::vector<std::uint8_t> &bytes) {
    SoundSlot &slot = soundSlots[index];
    slot.data = static_cast<std::uint8_t *>(std::malloc(bytes.size()));
    std::memcpy(slot.data, bytes.data(), bytes.size());
    slot.dlen = static_cast<std::uint32_t>(bytes.size());
    slot.dpos = 0;
}

// One callback into a silent buffer, as SDL hands it over.
std::vector<std::uint8_t> mixOnce() {
    std::vector<std::uint8_t> stream(kStreamBytes, 0);
    mixAudio(nullptr, stream.data(), kStreamBytes);
    return stream;
}

using MixTest = SoundTest;

TEST_F(MixTest, AddsSlotsWithSaturationAndLeavesTheRestSilent) {
    fillSlot(0, s16Bytes({30000, -30000, 1000, 32767}));
    fillSlot(2, s16Bytes({30000, -30000, -300, 1, 5}));
    std::vector<std::uint8_t> stream = mixOnce();

    EXPECT_EQ(s16At(stream.data(), 0), 32767);
    EXPECT_EQ(s16At(stream.data(), 1), -32768);
    EXPECT_EQ(s16At(stream.data(), 2), 700);
    EXPECT_EQ(s16At(stream.data(), 3), 32767);
    EXPECT_EQ(s16At(stream.data(), 4), 5);
    for (int i = 5; i < kStreamBytes / 2; ++i) ASSERT_EQ(s16At(stream.data(), i), 0) << i;

    // Both clips were shorter than the buffer: mixed whole, their slots free.
    EXPECT_EQ(soundSlots[0].dpos, 8u);
    EXPECT_EQ(soundSlots[2].dpos, 10u);
    EXPECT_EQ(mixOnce(), std::vector<std::uint8_t>(kStreamBytes, 0));
}

TEST_F(MixTest, LongClipContinuesWhereTheLastCallbackStopped) {
    const int samples = (2 * kStreamBytes + 100) / 2;
    std::vector<std::int16_t> ramp(samples);
    for (int i = 0; i < samples; ++i) ramp[i] = static_cast<std::int16_t>(i);
    fillSlot(4, s16Bytes(ramp));

    for (int call = 0; call < 3; ++call) {
        std::vector<std::uint8_t> stream = mixOnce();
        const int first = call * kStreamBytes / 2;
        const int count = std::min(kStreamBytes / 2, samples - first);
        for (int i = 0; i < kStreamBytes / 2; ++i) {
            ASSERT_EQ(s16At(stream.data(), i), i < count ? first + i : 0) << call << " " << i;
        }
        EXPECT_EQ(soundSlots[4].dpos, static_cast<std::uint32_t>(2 * (first + count)));
    }
    EXPECT_EQ(soundSlots[4].dpos, soundSlots[4].dlen);
    EXPECT_EQ(mixOnce(), std::vector<std::uint8_t>(kStreamBytes, 0));
}

}  // namespace
