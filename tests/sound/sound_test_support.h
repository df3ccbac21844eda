// Shared by the sound tests: WAV files written on the fly into a scratch
// directory, and a slot table emptied after every test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "assets/sound.h"

// Samples as the bytes a file or the device holds (the host is little-endian).
template <class Sample>
std::string bytesOf(const std::vector<Sample> &samples) {
    return std::string(reinterpret_cast<const char *>(samples.data()),
                       samples.size() * sizeof(Sample));
}

// One callback into a silent buffer, as SDL hands it over.
inline std::string mixOnce() {
    std::string stream(kAudioFrames * kAudioChannels * 2, '\0');
    mixAudio(nullptr, reinterpret_cast<std::uint8_t *>(stream.data()), stream.size());
    return stream;
}

// What slot `index` holds for the mixer.
inline std::string slotBytes(int index) {
    return std::string(reinterpret_cast<const char *>(soundSlots[index].data),
                       soundSlots[index].dlen);
}

class SoundTest : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/tw_sound_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override {
        for (SoundSlot &slot : soundSlots) {
            std::free(slot.data);
            slot.data = nullptr;
            slot.dlen = 0;
            slot.dpos = 0;
        }
        soundBufferAlloc = std::malloc;
        std::filesystem::remove_all(dir);
    }

    // Writes a plain PCM WAV file into the scratch directory; returns its path.
    std::string writeWav(const char *name, int rate, int bits, int channels,
                         const std::string &samples) {
        auto le = [](std::uint32_t value, int bytes) {
            return std::string(reinterpret_cast<char *>(&value), bytes);
        };
        const int align = channels * bits / 8;
        const std::string file = "RIFF" + le(36 + samples.size(), 4) + "WAVEfmt " + le(16, 4) +
                                 le(1, 2) + le(channels, 2) + le(rate, 4) + le(rate * align, 4) +
                                 le(align, 2) + le(bits, 2) + "data" + le(samples.size(), 4) +
                                 samples;
        const std::string path = dir + "/" + name;
        std::ofstream(path, std::ios::binary) << file;
        return path;
    }

    // A clip already in the device format.
    std::string deviceClip(const char *name, const std::vector<std::int16_t> &samples) {
        return writeWav(name, kAudioRate, 16, kAudioChannels, bytesOf(samples));
    }

    std::string dir;
};
