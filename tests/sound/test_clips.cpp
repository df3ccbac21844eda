// The game's own clips in data/: each loads, is short, sits at a sensible
// level and fades in and out instead of starting or stopping with a click.
#include <SDL/SDL.h>

#include <cmath>
#include <set>
#include <tuple>

#include "sound_test_support.h"

namespace {

const char *const kClips[] = {"smallblocks", "largeblocks", "woohoo", "ohyeah", "donut", "cake",
                              "nosoup",      "excellent",   "end1",   "end2",   "end3"};

// The repository root: from the test runner, or else two levels above this file.
std::string clipPath(const char *name) {
    const char *root = std::getenv("TW_SOURCE_DIR");
    std::filesystem::path base = root != nullptr
                                     ? std::filesystem::path(root)
                                     : std::filesystem::path(__FILE__).parent_path() / "../..";
    return (base / "data" / (std::string(name) + ".wav")).string();
}

TEST(GameClips, AreShortLevelledFadedAndPartlyInOtherFormats) {
    std::set<std::tuple<int, int, int>> formats;
    for (const char *name : kClips) {
        SCOPED_TRACE(name);
        SDL_AudioSpec wave;
        Uint8 *raw = nullptr;
        Uint32 rawlen = 0;
        ASSERT_NE(SDL_LoadWAV(clipPath(name).c_str(), &wave, &raw, &rawlen), nullptr);
        formats.insert({wave.format, wave.channels, wave.freq});
        SDL_FreeWAV(raw);

        // Measured as the game will play it, in the device format.
        std::uint8_t *data = nullptr;
        std::uint32_t len = 0;
        ASSERT_EQ(loadClip(clipPath(name).c_str(), data, len), 1);
        const std::size_t samples = len / 2;
        ASSERT_GT(samples, 4u);
        EXPECT_LE(samples / kAudioChannels, static_cast<std::size_t>(kAudioRate * 2.5));
        int peak = 0;
        for (std::size_t i = 0; i < samples; ++i) peak = std::max(peak, std::abs(s16At(data, i)));
        const double db = 20 * std::log10(peak / 32768.0);
        EXPECT_GE(db, -6.0);
        EXPECT_LE(db, -1.0);
        // Both ends within 1% of full scale of silence: no step to click on.
        for (std::size_t i : {std::size_t{0}, std::size_t{1}, samples - 2, samples - 1}) {
            EXPECT_LE(std::abs(s16At(data, i)), 328) << "sample " << i;
        }
        std::free(data);
    }
    // So that the game's converter runs whatever the player does.
    EXPECT_EQ(formats.count({AUDIO_U8, 1, 11025}), 1u);
    EXPECT_EQ(formats.count({AUDIO_S16LSB, 2, 44100}), 1u);
}

}  // namespace
