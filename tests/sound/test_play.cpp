// Starting clips: choice of slot, dropped clips, failures and conversion.
#include <malloc.h>

#include <filesystem>
#include <fstream>

#include "sound_test_support.h"

namespace {

using PlayTest = SoundTest;

TEST_F(PlayTest, ElevenPlayTogetherTheTwelfthIsDroppedAndFinishedSlotsAreReused) {
    const std::string longClip = deviceClip("long.wav", std::vector<std::int16_t>(4096, 1));
    const std::string shortClip = deviceClip("short.wav", std::vector<std::int16_t>(50, 1));
    for (int i = 0; i < kSoundSlots; ++i)
        playSound((i == 3 || i == 7 ? shortClip : longClip).c_str());
    for (int i = 0; i < kSoundSlots; ++i)
        EXPECT_EQ(soundSlots[i].dlen, i == 3 || i == 7 ? 100u : 8192u) << i;

    // All busy: the file is not even opened, so a missing one prints nothing.
    testing::internal::CaptureStderr();
    playSound((dir + "/missing.wav").c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    mixOnce();  // the two short clips end, the long ones play on
    playSound(longClip.c_str());
    EXPECT_EQ(soundSlots[3].dlen - soundSlots[3].dpos, 8192u);  // the lowest finished slot
    EXPECT_EQ(soundSlots[7].dlen, 100u);
    playSound(longClip.c_str());
    playSound(shortClip.c_str());  // busy again: dropped
    for (const SoundSlot &slot : soundSlots) EXPECT_EQ(slot.dlen, 8192u);
}

TEST_F(PlayTest, SameFileTwicePlaysFromTwoSlotsWithSeparateCopies) {
    const std::string samples = bytesOf(std::vector<std::int16_t>(200, -1234));
    const std::string clip = writeWav("clip.wav", kAudioRate, 16, kAudioChannels, samples);
    playSound(clip.c_str());
    playSound(clip.c_str());
    EXPECT_NE(soundSlots[0].data, soundSlots[1].data);
    EXPECT_EQ(slotBytes(0) + slotBytes(1), samples + samples);
}

// Bytes in use on the heap, large blocks (served by mmap) included.
std::size_t heapInUse() {
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

TEST_F(PlayTest, AClipThatCannotBeLoadedIsReportedAndLeavesItsSlotFree) {
    // Missing, not a WAV at all, a WAV cut off inside its header, and one
    // whose converted samples (8 times its size) pass the bound.
    const std::string whole = writeWav("whole.wav", kAudioRate, 16, 2, std::string(400, '\1'));
    writeWav("huge.wav", kAudioRate / 2, 8, 1, std::string(kMaxClipBytes / 8 + 1, '\x80'));
    std::ofstream(dir + "/text.wav") << "not a sound at all\n";
    std::ofstream(dir + "/cut.wav", std::ios::binary) << std::ifstream(whole).rdbuf();
    std::filesystem::resize_file(dir + "/cut.wav", 30);
    for (const char *name : {"/cake.wav", "/text.wav", "/cut.wav", "/huge.wav"}) {
        const std::string bad = dir + name;
        testing::internal::CaptureStderr();
        playSound(bad.c_str());
        const std::string err = testing::internal::GetCapturedStderr();
        const std::string prefix = "Couldn't load " + bad + ": ";
        EXPECT_EQ(err.rfind(prefix, 0), 0u) << err;
        EXPECT_GT(err.size(), prefix.size() + 1) << "no reason given";
        EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
        EXPECT_EQ(soundSlots[0].dlen, 0u) << name;
    }

    // 8-bit mono at half the rate, big enough that a leaked copy would show.
    const std::size_t bytes = 1 << 20;
    const std::string clip = writeWav("big.wav", kAudioRate / 2, 8, 1, std::string(bytes, '\xc0'));
    soundBufferAlloc = [](std::size_t) -> void * { return nullptr; };
    const std::size_t heapBefore = heapInUse();
    for (int attempt = 0; attempt < 8; ++attempt) {
        testing::internal::CaptureStderr();
        playSound(clip.c_str());
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "Couldn't load " + clip + ": Out of memory\n");
    }
    EXPECT_LT(heapInUse(), heapBefore + bytes);
    EXPECT_EQ(soundSlots[0].dlen, 0u);

    // With memory it plays: each sample widened, doubled in time and copied
    // to both channels.
    soundBufferAlloc = std::malloc;
    playSound(clip.c_str());
    EXPECT_EQ(slotBytes(0), bytesOf(std::vector<std::int16_t>(bytes * 4, 16384)));
}

TEST_F(PlayTest, StereoAtTwiceTheRateKeepsHalfTheFramesAndItsChannels) {
    std::vector<std::int16_t> frames;
    for (int i = 0; i < 2000; ++i) frames.insert(frames.end(), {1000, -2000});
    playSound(writeWav("wide.wav", kAudioRate * 2, 16, 2, bytesOf(frames)).c_str());
    frames.resize(2000);
    EXPECT_EQ(slotBytes(0), bytesOf(frames));
}

}  // namespace
