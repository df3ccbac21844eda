// Shared by the sound tests: WAV files written on the fly into a scratch
// directory, and a slot table emptied before and after every test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "assets/sound.h"

// Bytes of a PCM WAV file: the RIFF header, one "fmt " chunk, the samples.
inline std::vector<std::uint8_t> wavBytes(int rate, int bits, int channels,
                                          const std::vector<std::uint8_t> &samples) {
    std::vector<std::uint8_t> out;
    auto put = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    auto tag = [&out](const char *text) { out.insert(out.end(), text, text + 4); };
    const std::uint32_t align = static_cast<std::uint32_t>(channels * bits / 8);
    tag("RIFF");
    put(36 + static_cast<std::uint32_t>(samples.size()), 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2);  // plain PCM
    put(static_cast<std::uint32_t>(channels), 2);
    put(static_cast<std::uint32_t>(rate), 4);
    put(static_cast<std::uint32_t>(rate) * align, 4);
    put(align, 2);
    put(static_cast<std::uint32_t>(bits), 2);
    tag("data");
    put(static_cast<std::uint32_t>(samples.size()), 4);
    out.insert(out.end(), samples.begin(), samples.end());
    return out;
}

// 16-bit little-endian samples as bytes.
inline std::vector<std::uint8_t> s16Bytes(const std::vector<std::int16_t> &samples) {
    std::vector<std::uint8_t> out;
    for (std::int16_t s : samples) {
        out.push_back(static_cast<std::uint8_t>(s & 0xff));
        out.push_back(static_cast<std::uint8_t>((s >> 8) & 0xff));
    }
    return out;
}

inline std::int16_t s16At(const std::uint8_t *bytes, std::size_t index) {
    return static_cast<std::int16_t>(bytes[2 * index] | (bytes[2 * index + 1] << 8));
}

class SoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        clearSlots();
        char pattern[] = "/tmp/tw_sound_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override {
        clearSlots();
        soundBufferAlloc = std::malloc;
        std::filesystem::remove_all(dir);
    }

    static void clearSlots() {
        for (SoundSlot &slot : soundSlots) {
            std::free(slot.data);
            slot.data = nullptr;
            slot.dlen = 0;
            slot.dpos = 0;
        }
    }

    // Writes a WAV into the scratch directory and returns its path.
    std::string writeWav(const char *name, int rate, int bits, int channels,
                         const std::vector<std::uint8_t> &samples) {
        std::string path = dir + "/" + name;
        std::vector<std::uint8_t> bytes = wavBytes(rate, bits, channels, samples);
        FILE *file = std::fopen(path.c_str(), "wb");
        EXPECT_NE(file, nullptr);
        if (file != nullptr) {
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
        return path;
    }

    // A clip already in the device format, `bytes` long (a multiple of 4).
    std::string deviceClip(const char *name, std::size_t bytes, std::int16_t value = 1000) {
        return writeWav(name, kAudioRate, 16, kAudioChannels,
                        s16Bytes(std::vector<std::int16_t>(bytes / 2, value)));
    }

    std::string dir;
};
