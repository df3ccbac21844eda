// The game's own sound code: the WAV reader and what it refuses, the converter
// against SDL 1.2's (so the desktop sounds as it did), the mixer's slots and
// arithmetic, and clips started while another thread mixes (run under
// ThreadSanitizer too).
#include <SDL/SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "assets/wav.h"
#include "platform/desktop/audio.h"

namespace {

std::string le(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xff);
    return out;
}

std::string chunk(const std::string &id, const std::string &body) {
    return id + le(body.size(), 4) + body + (body.size() % 2 ? "\x7f" : "");
}

std::string format(int channels, std::uint32_t rate, int bits, int tag = 1) {
    const int align = channels * bits / 8;
    return chunk("fmt ", le(tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * align, 4) +
                             le(align, 2) + le(bits, 2));
}

std::string riff(const std::string &chunks) {
    return "RIFF" + le(4 + chunks.size(), 4) + "WAVE" + chunks;
}

std::string wav(const std::string &samples, int channels = 1, std::uint32_t rate = kAudioRate,
                int bits = 16) {
    return riff(format(channels, rate, bits) + chunk("data", samples));
}

std::string bytesOf(const std::vector<std::int16_t> &samples) {
    std::string out;
    for (std::int16_t sample : samples) out += le(static_cast<std::uint16_t>(sample), 2);
    return out;
}

std::string text(const Clip &clip) {
    return std::string(reinterpret_cast<const char *>(clip.bytes.get()), clip.size);
}

// What SDL 1.2 made of a clip file when it loaded and converted the clips.
std::string convertedBySdl(const std::string &file) {
    SDL_AudioSpec spec;
    Uint8 *samples = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(file.data(), file.size()), 1, &spec, &samples, &length))
        return std::string("SDL: ") + SDL_GetError();
    SDL_AudioCVT cvt;
    SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_S16LSB, 2, kAudioRate);
    std::string buffer(length * cvt.len_mult, '\0');
    std::copy(samples, samples + length, buffer.begin());
    SDL_FreeWAV(samples);
    cvt.buf = reinterpret_cast<Uint8 *>(buffer.data());
    cvt.len = static_cast<int>(length);
    SDL_ConvertAudio(&cvt);
    return buffer.substr(0, cvt.len_cvt);
}

TEST(Wav, TheShippedClipsAndEachLayoutConvertToTheBytesSdlMade) {
    std::set<std::tuple<int, std::uint32_t, int>> shipped;
    std::vector<std::string> files;
    const char *root = std::getenv("TW_SOURCE_DIR");
    ASSERT_NE(root, nullptr);
    for (const auto &entry : std::filesystem::directory_iterator(std::string(root) + "/data")) {
        std::ifstream in(entry.path(), std::ios::binary);
        files.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        WavSound sound;
        ASSERT_EQ(readWav(files.back(), sound), "") << entry.path();
        shipped.insert({sound.channels, sound.rate, sound.bits});
    }
    // Mono 16-bit at the device's rate, 8-bit at half of it, stereo at twice it.
    EXPECT_EQ(shipped.size(), 3u);
    // And every layout, both widths and rates a power of two apart, on noise.
    std::mt19937 noise(7);
    for (auto [channels, rate, bits] : {std::tuple(4, 22050, 16),
                                        {6, 22050, 16},
                                        {4, 44100, 8},
                                        {6, 11025, 8},
                                        {2, 176400, 8},
                                        {1, 88200, 16}}) {
        std::string samples(64 * channels * bits / 8, '\0');
        for (char &byte : samples) byte = static_cast<char>(noise());
        files.push_back(wav(samples, channels, rate, bits));
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        Clip clip;
        ASSERT_EQ(decodeClip(files[i], clip), "");
        EXPECT_EQ(text(clip), convertedBySdl(files[i])) << "file " << i;
    }
}

TEST(Wav, TheReaderSkipsOtherChunksInAnyOrderAndRefusesWithAReason) {
    const std::string samples = bytesOf({1, -2, 300, -32768});
    // The sound's samples point into the file's bytes, which must outlive it.
    const std::string shuffled =
        riff(chunk("LIST", "odd") + chunk("data", samples) + format(2, 8000, 16));
    WavSound sound;
    EXPECT_EQ(readWav(shuffled, sound), "");
    EXPECT_EQ(sound.samples, samples);
    EXPECT_EQ(std::tuple(sound.channels, sound.rate, sound.bits), std::tuple(2, 8000u, 16));

    const std::string data = chunk("data", samples);
    const std::string cut = riff(format(1, kAudioRate, 16) + data);
    Clip clip;
    for (auto [file, why] : std::vector<std::pair<std::string, std::string>>{
             {"RIFF" + le(0, 4) + "WAVX" + format(1, 8000, 8) + data, "not a WAV file"},
             {cut.substr(0, cut.size() - 1), "cut short"},
             {riff(data), "no format chunk"},
             {riff(format(1, 8000, 8)), "no sound data"},
             {riff(chunk("fmt ", le(1, 2)) + data), "a damaged format chunk"},
             {riff(format(1, 8000, 32, 3) + data), "not PCM (format 3)"},
             {wav(samples, 1, 8000, 24), "unsupported format (24-bit samples)"},
             {wav(samples, 3), "unsupported format (3 channels at 22050 Hz)"},
             {wav(samples, 1, 999), "unsupported format (1 channels at 999 Hz)"},
             {wav(samples, 1, 384001), "unsupported format (1 channels at 384001 Hz)"},
             {wav(samples, 1, 1000), ""},
             {wav(samples, 1, 384000), ""},
             // Each byte of 8-bit mono at 11025 Hz grows eight times over.
             {wav(std::string(kMaxClipBytes / 8, '\x80'), 1, 11025, 8), ""},
             {wav(std::string(kMaxClipBytes / 8 + 1, '\x80'), 1, 11025, 8),
              "longer than a sound effect (over 32 MiB once converted)"}})
        EXPECT_EQ(decodeClip(file, clip), why) << file.size();
    // Between rates no power of two apart, the latest sample at each moment.
    ASSERT_EQ(decodeClip(wav(bytesOf({10, 20, 30, 40, 50}), 1, 14700), clip), "");
    EXPECT_EQ(text(clip), bytesOf({10, 10, 10, 10, 20, 20, 30, 30, 30, 30, 40, 40, 50, 50}));
}

TEST(Mixer, ElevenPlayTogetherAddedWithoutWrappingAndFinishedSlotsAreReused) {
    Mixer mixer;
    auto clip = [](const std::vector<std::int16_t> &samples) {
        const std::string bytes = bytesOf(samples);
        Clip out{std::make_unique<std::uint8_t[]>(bytes.size()), std::uint32_t(bytes.size())};
        std::copy(bytes.begin(), bytes.end(), out.bytes.get());
        return out;
    };
    for (int i = 0; i < Mixer::kSlots; ++i) {
        EXPECT_FALSE(mixer.full());
        EXPECT_EQ(mixer.start(i == 3   ? clip({20000, -20000, 10000, 20000, 5, 6})
                              : i == 7 ? clip({20000, -20000, -10000, 20000, 7, 8})
                                       : clip(std::vector<std::int16_t>(400, 0))),
                  i);
    }
    EXPECT_TRUE(mixer.full());
    EXPECT_EQ(mixer.start(clip({1, 1})), -1);  // dropped
    // Each clip is added in turn and held at the limits, as SDL_MixAudio adds
    // one: 30000 + 10000 stops at 32767 before the -10000.
    std::string stream = bytesOf({2000, -3000, 30000, 0});
    mixer.mix(reinterpret_cast<std::uint8_t *>(stream.data()), stream.size());
    EXPECT_EQ(stream, bytesOf({32767, -32768, 22767, 32767}));
    // The next call goes on where each clip stopped; only whole frames are mixed.
    stream = bytesOf({-32000, 0, 0, 0}) + "\1";
    mixer.mix(reinterpret_cast<std::uint8_t *>(stream.data()), stream.size());
    EXPECT_EQ(stream, bytesOf({-31988, 14, 0, 0}) + "\1");
    // The short clips have ended: the lowest of their slots first.
    EXPECT_EQ(mixer.start(clip({1, 1})), 3);
    EXPECT_EQ(mixer.start(clip({1, 1})), 7);
    EXPECT_EQ(mixer.start(clip({1, 1})), -1);
}

class Sound : public testing::Test {
  protected:
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override {
        std::vector<std::uint8_t> drain(1 << 20);  // longer than any clip here
        soundMixer.mix(drain.data(), drain.size());
        std::filesystem::remove_all(dir);
    }
    std::string dir = "/tmp/tw_sound_" + std::to_string(getpid());
};

TEST_F(Sound, AClipThatCannotBeLoadedSaysWhyAndTakesNoSlot) {
    std::ofstream(dir + "/text.wav") << "not a sound at all\n";
    std::ofstream(dir + "/mute.wav") << wav(bytesOf({0, 0}), 0);
    std::filesystem::create_directory(dir + "/folder.wav");
    for (auto [name, why] : {std::pair("/cake.wav", "No such file or directory"),
                             {"/text.wav", "not a WAV file"},
                             {"/folder.wav", "Is a directory"},
                             {"/mute.wav", "unsupported format (0 channels at 22050 Hz)"}}) {
        testing::internal::CaptureStderr();
        playSound((dir + name).c_str());
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "Couldn't load " + dir + name + ": " + why + "\n");
    }
    EXPECT_EQ(soundMixer.start(Clip()), 0);
}

TEST_F(Sound, ClipsStartWhileAnotherThreadMixes) {
    // A little under two callbacks long, so slots keep finishing mid-run: more
    // clips than slots start only as the mixer empties slots meanwhile. Every
    // sample is 1, so what was mixed counts the samples played.
    const std::string tick = dir + "/tick.wav";
    std::ofstream(tick) << wav(bytesOf(std::vector<std::int16_t>(900, 1)));
    std::atomic<bool> stop{false};
    std::atomic<long> mixed{0};
    std::thread device([&] {
        std::vector<std::uint8_t> stream(kAudioFrames * kAudioFrameBytes);
        while (!stop) {
            std::fill(stream.begin(), stream.end(), 0);
            mixAudio(nullptr, stream.data(), static_cast<int>(stream.size()));
            for (std::size_t i = 0; i < stream.size(); i += 2)
                mixed += stream[i] | stream[i + 1] << 8;
            std::this_thread::yield();
        }
    });
    const auto start = std::chrono::steady_clock::now();
    auto waited = [&] {
        return std::chrono::steady_clock::now() - start > std::chrono::seconds(30);
    };
    int started = 0;
    while (started < 3 * Mixer::kSlots && !waited()) {
        // Only the mixer changes the slots meanwhile, and it only frees them:
        // a mixer not full now takes the clip that playSound starts next.
        if (!soundMixer.full()) {
            playSound(tick.c_str());
            ++started;
        }
        std::this_thread::yield();
    }
    const long expected = 3L * Mixer::kSlots * 900 * 2;
    while (mixed < expected && !waited()) std::this_thread::yield();
    stop = true;
    device.join();
    EXPECT_EQ(mixed, expected);  // every clip played once through, none lost
}

}  // namespace
