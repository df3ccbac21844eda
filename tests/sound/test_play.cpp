// Starting clips: choice of slot, dropped clips, failures and conversion.
#include <malloc.h>

#include <cstring>

#include "sound_test_support.h"

namespace {

// Bytes in use on the heap, large blocks (served by mmap) included.
std::size_t heapInUse() {
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

using PlayTest = SoundTest;

void mixOnce() {
    std::vector<std::uint8_t> stream(kAudioFrames * kAudioChannels * 2, 0);
    mixAudio(nullptr, stream.data(), static_cast<int>(stream.size()));
}

TEST_F(PlayTest, ElevenPlayTogetherTheTwelfthIsDroppedAndFinishedSlotsAreReused) {
    std::string longclip = deviceClip("long.wav", 8192);
    std::string shortclip = deviceClip("short.wav", 100);
    for (int i = 0; i < kSoundSlots; ++i)
        playSound(i == 3 || i == 7 ? shortclip.c_str() : longclip.c_str());
    for (int i = 0; i < kSoundSlots; ++i) {
        ASSERT_NE(soundSlots[i].data, nullptr) << i;
        EXPECT_EQ(soundSlots[i].dlen, i == 3 || i == 7 ? 100u : 8192u) << i;
        EXPECT_EQ(soundSlots[i].dpos, 0u) << i;
    }

    // All busy: the file is not even opened, so a missing one prints nothing.
    testing::internal::CaptureStderr();
    playSound((dir + "/missing.wav").c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    mixOnce();  // the two short clips end, the long ones play on
    playSound(longclip.c_str());
    EXPECT_EQ(soundSlots[3].dlen, 8192u);
    EXPECT_EQ(soundSlots[3].dpos, 0u);
    EXPECT_EQ(soundSlots[7].dpos, 100u);
    playSound(longclip.c_str());
    EXPECT_EQ(soundSlots[7].dlen, 8192u);
    EXPECT_EQ(soundSlots[7].dpos, 0u);
    std::uint8_t *before[kSoundSlots];
    for (int i = 0; i < kSoundSlots; ++i) before[i] = soundSlots[i].data;
    playSound(shortclip.c_str());
    for (int i = 0; i < kSoundSlots; ++i) EXPECT_EQ(soundSlots[i].data, before[i]) << i;
}

TEST_F(PlayTest, SameFileTwicePlaysFromTwoSlotsWithSeparateCopies) {
    std::string clip = deviceClip("clip.wav", 400, -1234);
    playSound(clip.c_str());
    playSound(clip.c_str());
    ASSERT_NE(soundSlots[0].data, nullptr);
    ASSERT_NE(soundSlots[1].data, nullptr);
    EXPECT_NE(soundSlots[0].data, soundSlots[1].data);
    ASSERT_EQ(soundSlots[1].dlen, 400u);
    EXPECT_EQ(std::memcmp(soundSlots[0].data, soundSlots[1].data, 400), 0);
    EXPECT_EQ(s16At(soundSlots[1].data, 199), -1234);
    EXPECT_EQ(soundSlots[2].dlen, 0u);
}

TEST_F(PlayTest, MissingFileIsReportedAndLeavesTheSlotFree) {
    std::string path = dir + "/cake.wav";
    testing::internal::CaptureStderr();
    playSound(path.c_str());
    std::string err = testing::internal::GetCapturedStderr();
    std::string prefix = "Couldn't load " + path + ": ";
    EXPECT_EQ(err.compare(0, prefix.size(), prefix), 0) << err;
    EXPECT_GT(err.size(), prefix.size() + 1) << "no reason given";
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
    EXPECT_EQ(soundSlots[0].data, nullptr);
    EXPECT_EQ(soundSlots[0].dlen, 0u);
}

TEST_F(PlayTest, FailedBufferAllocationDropsTheClipWithoutLeaking) {
    // Big enough that a leaked copy of the loaded samples would stand out.
    const std::size_t bytes = 1 << 20;
    std::string clip = writeWav("big.wav", 11025, 8, 1, std::vector<std::uint8_t>(bytes, 128));
    soundBufferAlloc = [](std::size_t) -> void * { return nullptr; };

    const std::size_t heapBefore = heapInUse();
    for (int attempt = 0; attempt < 8; ++attempt) {
        testing::internal::CaptureStderr();
        playSound(clip.c_str());
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "Couldn't load " + clip + ": Out of memory\n");
    }
    EXPECT_LT(heapInUse(), heapBefore + bytes);
    EXPECT_EQ(soundSlots[0].data, nullptr);
    EXPECT_EQ(soundSlots[0].dlen, 0u);

    soundBufferAlloc = std::malloc;
    playSound(clip.c_str());
    EXPECT_EQ(soundSlots[0].dlen, bytes * 8);
}

TEST_F(PlayTest, OtherFormatsAreConvertedToTheDeviceFormat) {
    // 8-bit mono at half the rate: twice the frames, each sample widened and
    // copied to both channels.
    std::string narrow =
        writeWav("narrow.wav", kAudioRate / 2, 8, 1, std::vector<std::uint8_t>(1000, 128 + 64));
    playSound(narrow.c_str());
    ASSERT_EQ(soundSlots[0].dlen, 2000u * 4);
    for (std::size_t i = 0; i < 4000; ++i) ASSERT_EQ(s16At(soundSlots[0].data, i), 16384) << i;

    // 16-bit stereo at twice the rate: half the frames, channels kept apart.
    std::vector<std::int16_t> frames;
    for (int i = 0; i < 2000; ++i) frames.insert(frames.end(), {1000, -2000});
    std::string wide = writeWav("wide.wav", kAudioRate * 2, 16, 2, s16Bytes(frames));
    playSound(wide.c_str());
    ASSERT_EQ(soundSlots[1].dlen, 1000u * 4);
    for (std::size_t i = 0; i < 2000; ++i) {
        ASSERT_EQ(s16At(soundSlots[1].data, i), i % 2 == 0 ? 1000 : -2000) << i;
    }
}

}  // namespace
