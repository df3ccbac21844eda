// The sound engine against SDL itself: starting clips into slots, converting
// them, refusing what cannot be loaded, mixing, and the audio thread mixing
// while the main thread starts clips (run under ThreadSanitizer too).
#include <SDL/SDL.h>
#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/desktop/audio.h"

namespace {

// Samples as the bytes a file or the device holds (the host is little-endian).
template <class Sample>
std::string bytesOf(const std::vector<Sample> &samples) {
    return std::string(reinterpret_cast<const char *>(samples.data()),
                       samples.size() * sizeof(Sample));
}

// Clip files written on the fly into a scratch directory; every slot is
// emptied after each test.
class Sound : public testing::Test {
  protected:
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override {
        for (SoundSlot &slot : soundSlots) {
            std::free(slot.data);
            slot.data = nullptr;
            slot.dlen = slot.dpos = 0;
        }
        soundBufferAlloc = std::malloc;
        std::filesystem::remove_all(dir);
    }

    std::string wav(const char *name, const std::string &samples, int rate = kAudioRate,
                    int bits = 16, int channels = kAudioChannels) {
        auto le = [](std::uint32_t value, int bytes) {
            return std::string(reinterpret_cast<char *>(&value), bytes);
        };
        const int align = channels * bits / 8;
        const std::string path = dir + "/" + name;
        std::ofstream(path, std::ios::binary)
            << "RIFF" + le(36 + samples.size(), 4) + "WAVEfmt " + le(16, 4) + le(1, 2) +
                   le(channels, 2) + le(rate, 4) + le(rate * align, 4) + le(align, 2) +
                   le(bits, 2) + "data" + le(samples.size(), 4) + samples;
        return path;
    }
    std::string clip(const char *name, std::vector<std::int16_t> samples) {
        return wav(name, bytesOf(samples));
    }

    std::string dir = "/tmp/tw_sound_" + std::to_string(getpid());
};

TEST_F(Sound, ElevenPlayTogetherTheTwelfthIsDroppedAndFinishedSlotsAreReused) {
    const std::string longClip = clip("long.wav", std::vector<std::int16_t>(4096, 0));
    const std::string shortClip = clip("short.wav", {30000, -30000, 1000, 32767, 5, 0});
    for (int i = 0; i < kSoundSlots; ++i)
        playSound((i == 3 || i == 7 ? shortClip : longClip).c_str());
    // Added with saturation; the short clips end, the long (silent) ones play on.
    std::string stream(kAudioFrames * kAudioChannels * 2, '\0');  // silent, as SDL hands it over
    mixAudio(nullptr, reinterpret_cast<std::uint8_t *>(stream.data()), stream.size());
    EXPECT_EQ(stream, bytesOf<std::int16_t>({32767, -32768, 2000, 32767, 10}) +
                          std::string(stream.size() - 10, '\0'));
    EXPECT_EQ(soundSlots[0].dpos, stream.size());
    playSound(longClip.c_str());
    EXPECT_EQ(soundSlots[3].dlen - soundSlots[3].dpos, 8192u);  // the lowest finished slot
    playSound(longClip.c_str());
    playSound(shortClip.c_str());  // busy again: dropped
    for (const SoundSlot &slot : soundSlots) EXPECT_EQ(slot.dlen, 8192u);
    // Played again and again into one slot, a clip holds no more memory than
    // once: the file's own buffer goes as soon as it is converted.
    const std::size_t inUse = mallinfo2().uordblks;
    for (int i = 0; i < 20; ++i, playSound(longClip.c_str())) soundSlots[0].dpos = 8192;
    EXPECT_LT(mallinfo2().uordblks, inUse + 8192);
}

TEST_F(Sound, AClipThatCannotBeLoadedIsReportedAndLeavesItsSlotFree) {
    // Missing, not a WAV at all, one whose converted samples (8 times its size)
    // pass the bound, headers of no channels or a rate of 0 (which send SDL's
    // converter into a loop), and no memory for the conversion (a leak on that
    // path is the leak checker's to find). (Pipes and files too big to read are
    // the setups script's, which sees the game go on and the memory they cost.)
    const std::size_t bytes = 4000;
    const std::string big = wav("big.wav", std::string(bytes, '\xc0'), kAudioRate / 2, 8, 1);
    std::ofstream(dir + "/text.wav") << "not a sound at all\n";
    wav("huge.wav", std::string(kMaxClipBytes / 8 + 1, '\x80'), kAudioRate / 2, 8, 1);
    wav("mute.wav", std::string(64, '\0'), kAudioRate, 16, 0);
    wav("still.wav", std::string(64, '\0'), 0);
    for (const std::string name :
         {"/cake.wav", "/text.wav", "/huge.wav", "/mute.wav", "/still.wav", "/big.wav"}) {
        soundBufferAlloc = [](std::size_t) -> void * { return nullptr; };
        testing::internal::CaptureStderr();
        playSound((dir + name).c_str());
        const std::string err = testing::internal::GetCapturedStderr();
        const std::string prefix = "Couldn't load " + dir + name + ": ";  // and why, on one line
        EXPECT_TRUE(err.rfind(prefix, 0) == 0 && err.find('\n') == err.size() - 1 &&
                    err.size() > prefix.size() + 1)
            << err;
        EXPECT_TRUE(name != "/big.wav" || err == prefix + "Out of memory\n") << err;
        EXPECT_EQ(soundSlots[0].dlen, 0u) << name;
    }

    // With memory it plays: each sample widened, doubled in time and copied to
    // both channels.
    soundBufferAlloc = std::malloc;
    playSound(big.c_str());
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(soundSlots[0].data), soundSlots[0].dlen),
              bytesOf(std::vector<std::int16_t>(bytes * 4, 16384)));
}

TEST_F(Sound, ClipsStartWhileTheAudioThreadMixes) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);  // never a real sound card
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    SDL_AudioSpec spec;
    fillAudioSpec(spec);
    ASSERT_EQ(SDL_OpenAudio(&spec, nullptr), 0) << SDL_GetError();
    SDL_PauseAudio(0);
    // A little under two callbacks long, so slots keep finishing mid-run: more
    // clips than slots start only as the mixer empties slots meanwhile.
    const std::string tick = clip("tick.wav", std::vector<std::int16_t>(6000, 1000));
    using Clock = std::chrono::steady_clock;
    int started = 0;
    for (const auto start = Clock::now(); started <= 2 * kSoundSlots; SDL_Delay(1)) {
        ASSERT_LT(Clock::now() - start, std::chrono::seconds(30)) << "no slot came free";
        int free = 0;
        while (free < kSoundSlots && soundSlots[free].dpos != soundSlots[free].dlen) ++free;
        playSound(tick.c_str());
        if (free < kSoundSlots) {
            ++started;
            ASSERT_EQ(soundSlots[free].dlen, 12000u);
        }
        for (SoundSlot &slot : soundSlots) ASSERT_LE(slot.dpos, slot.dlen);
    }
    SDL_CloseAudio();
    SDL_Quit();
}

}  // namespace
