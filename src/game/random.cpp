#include "game/random.h"

#include <cstdint>

namespace {

// The C library's additive feedback generator: a ring of 31 words, two
// places in it 3 apart; each number adds the word at the back place to the
// one at the front (mod 2^32), both places move on, and rand() gives the
// sum's top 31 bits. The words come from the seed by a multiplicative
// generator, and the first 310 numbers are thrown away.
constexpr int kWords = 31, kApart = 3, kDiscarded = 310;

struct Sequence {
    std::uint32_t ring[kWords];
    int front = kApart, back = 0;

    explicit Sequence(unsigned seed) {
        std::int64_t word = seed == 0 ? 1 : static_cast<std::int32_t>(seed);
        ring[0] = static_cast<std::uint32_t>(word);
        for (int i = 1; i < kWords; ++i) {
            // 16807 * word mod (2^31 - 1), as the library works it out in 32 bits.
            const std::int64_t hi = word / 127773, lo = word % 127773;
            word = 16807 * lo - 2836 * hi;
            if (word < 0) word += 2147483647;
            ring[i] = static_cast<std::uint32_t>(word);
        }
        for (int i = 0; i < kDiscarded; ++i) next();
    }

    std::uint32_t next() {
        const std::uint32_t sum = ring[front] += ring[back];
        front = (front + 1) % kWords;
        back = (back + 1) % kWords;
        return sum;
    }
};

Sequence sequence(1);

}  // namespace

void seedRandom(unsigned seed) { sequence = Sequence(seed); }

int nextRandom() { return static_cast<int>(sequence.next() >> 1); }
