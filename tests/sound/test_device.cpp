// The engine with a real (dummy) device: SDL's audio thread mixes while the
// main thread keeps starting clips. Meant to be run under ThreadSanitizer too.
#include <SDL/SDL.h>

#include <chrono>

#include "sound_test_support.h"

namespace {

using DeviceTest = SoundTest;

TEST_F(DeviceTest, ClipsStartWhileTheAudioThreadMixes) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);  // never a real sound card
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    SDL_AudioSpec spec;
    fillAudioSpec(spec);
    ASSERT_EQ(SDL_OpenAudio(&spec, nullptr), 0) << SDL_GetError();
    SDL_PauseAudio(0);

    // A little under two callbacks long, so slots keep finishing mid-run.
    const std::uint32_t clipBytes = 3000 * 4;
    std::string clip = deviceClip("tick.wav", clipBytes);
    int started = 0;
    const auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(1500)) {
        int free = -1;
        for (int i = 0; i < kSoundSlots && free < 0; ++i) {
            if (soundSlots[i].dpos == soundSlots[i].dlen) free = i;
        }
        playSound(clip.c_str());
        if (free >= 0) {
            ++started;
            ASSERT_EQ(soundSlots[free].dlen, clipBytes);
        }
        for (SoundSlot &slot : soundSlots) ASSERT_LE(slot.dpos, slot.dlen);
    }
    // More clips than slots started, so the mixer emptied slots meanwhile.
    EXPECT_GT(started, 2 * kSoundSlots);

    // Left alone, the mixer plays every clip to its end.
    const auto quiet = std::chrono::steady_clock::now();
    bool busy = true;
    while (busy && std::chrono::steady_clock::now() - quiet < std::chrono::seconds(5)) {
        SDL_Delay(10);
        busy = false;
        for (SoundSlot &slot : soundSlots) busy = busy || slot.dpos != slot.dlen;
    }
    EXPECT_FALSE(busy);

    SDL_CloseAudio();
    SDL_Quit();
}

}  // namespace
