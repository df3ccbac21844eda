// The game's own clips in data/: each loads, is short, sits at a sensible
// level and fades in and out instead of starting or stopping with a click.
#include <cmath>

#include "sound_test_support.h"

namespace {

TEST(GameClips, AreShortLevelledAndFaded) {
    const char *root = std::getenv("TW_SOURCE_DIR");
    ASSERT_NE(root, nullptr) << "TW_SOURCE_DIR names the source tree";
    for (const char *name : {"smallblocks", "largeblocks", "woohoo", "ohyeah", "donut", "cake",
                             "nosoup", "excellent", "end1", "end2", "end3"}) {
        SCOPED_TRACE(name);
        // Measured as the game will play it, in the device format.
        std::uint8_t *data = nullptr;
        std::uint32_t len = 0;
        const std::string path = std::string(root) + "/data/" + name + ".wav";
        ASSERT_EQ(loadClip(path.c_str(), data, len), 1);
        const auto *first = reinterpret_cast<const std::int16_t *>(data);
        const std::vector<int> samples(first, first + len / 2);
        std::free(data);
        ASSERT_GT(samples.size(), 4u);
        EXPECT_LE(samples.size() / kAudioChannels, kAudioRate * 5u / 2);  // 2.5 s at most
        int peak = 0;
        for (int sample : samples) peak = std::max(peak, std::abs(sample));
        const double db = 20 * std::log10(peak / 32768.0);
        EXPECT_TRUE(db >= -6.0 && db <= -1.0) << db << " dB";
        // Both ends within 1% of full scale of silence: no step to click on.
        for (std::size_t i : {0ul, 1ul, samples.size() - 2, samples.size() - 1})
            EXPECT_LE(std::abs(samples[i]), 328) << "sample " << i;
    }
}

}  // namespace
