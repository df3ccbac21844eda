// The engine with a real (dummy) device: SDL's audio thread mixes while the
// main thread keeps starting clips. Meant to be run under ThreadSanitizer too.
#include <SDL/SDL.h>

#include <chrono>

#include "sound_test_support.h"

namespace {

using DeviceTest = SoundTest;
using Clock = std::chrono::steady_clock;

TEST_F(DeviceTest, ClipsStartWhileTheAudioThreadMixes) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);  // never a real sound card
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    SDL_AudioSpec spec;
    fillAudioSpec(spec);
    ASSERT_EQ(SDL_OpenAudio(&spec, nullptr), 0) << SDL_GetError();
    SDL_PauseAudio(0);

    // A little under two callbacks long, so slots keep finishing mid-run.
    const std::string clip = deviceClip("tick.wav", std::vector<std::int16_t>(6000, 1000));
    int started = 0;
    for (const auto start = Clock::now(); Clock::now() - start < std::chrono::milliseconds(1500);) {
        int free = 0;
        while (free < kSoundSlots && soundSlots[free].dpos != soundSlots[free].dlen) ++free;
        playSound(clip.c_str());
        if (free < kSoundSlots) {
            ++started;
            ASSERT_EQ(soundSlots[free].dlen, 12000u);
        }
        for (SoundSlot &slot : soundSlots) ASSERT_LE(slot.dpos, slot.dlen);
    }
    // More clips than slots started, so the mixer emptied slots meanwhile.
    EXPECT_GT(started, 2 * kSoundSlots);

    // Left alone, the mixer plays every clip to its end.
    bool busy = true;
    for (const auto quiet = Clock::now(); busy && Clock::now() - quiet < std::chrono::seconds(5);) {
        SDL_Delay(10);
        busy = false;
        for (SoundSlot &slot : soundSlots) busy = busy || slot.dpos != slot.dlen;
    }
    EXPECT_FALSE(busy);
    SDL_CloseAudio();
    SDL_Quit();
}

}  // namespace
