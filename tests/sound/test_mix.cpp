// The device callback: what lands in the stream, and how far each slot moves.
#include "sound_test_support.h"

namespace {

using MixTest = SoundTest;

TEST_F(MixTest, AddsShortClipsWithSaturationAndLeavesTheRestSilent) {
    playSound(deviceClip("a.wav", {30000, -30000, 1000, 32767}).c_str());
    playSound(deviceClip("b.wav", {30000, -30000, -300, 1, 5, 0}).c_str());
    const std::string stream = mixOnce();
    EXPECT_EQ(stream.substr(0, 12), bytesOf<std::int16_t>({32767, -32768, 700, 32767, 5, 0}));
    EXPECT_EQ(stream.find_first_not_of('\0', 12), std::string::npos);
    // Both clips were shorter than the buffer: mixed whole, their slots free.
    EXPECT_EQ(soundSlots[0].dpos + soundSlots[1].dpos, 20u);
    EXPECT_EQ(mixOnce(), std::string(stream.size(), '\0'));
}

TEST_F(MixTest, ALongClipGoesOnWhereTheLastCallbackStopped) {
    const std::size_t callBytes = kAudioFrames * kAudioChannels * 2;
    std::vector<std::int16_t> ramp(callBytes + 50);  // two callbacks and a bit
    for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<std::int16_t>(i);
    playSound(deviceClip("ramp.wav", ramp).c_str());
    const std::string played = bytesOf(ramp) + std::string(callBytes - 100, '\0');
    for (int call = 0; call < 3; ++call)
        EXPECT_EQ(mixOnce(), played.substr(call * callBytes, callBytes)) << call;
    EXPECT_EQ(soundSlots[0].dpos, soundSlots[0].dlen);
}

}  // namespace
