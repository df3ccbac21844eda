// libFuzzer target: the high-score file reader on whatever "scores.dat" holds,
// and a save of what it read read back again.
#include <cstdint>
#include <cstring>

#include "scores/high_scores.h"
#include "scores/score_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size) {
    HighScoreEntry table[kScorePlaces] = {};  // places a short file lacks stay empty
    decodeScores(data, size, table);

    unsigned char bytes[kScoreFileBytes];
    encodeScores(table, bytes);
    HighScoreEntry again[kScorePlaces];
    if (decodeScores(bytes, sizeof bytes, again) != kScorePlaces) __builtin_trap();

    for (int i = 0; i < kScorePlaces; ++i) {
        if (std::strlen(table[i].name) > static_cast<size_t>(kNameLength)) __builtin_trap();
        // What is saved reads back as the same score and the name blank-padded.
        char padded[kNameLength + 1];
        padName(table[i].name, padded);
        if (again[i].score != table[i].score || std::strcmp(again[i].name, padded) != 0)
            __builtin_trap();
        char nbuf[kScoreLineSize];
        formatScoreLine(nbuf, i + 1, again[i]);
        if (std::strlen(nbuf) >= sizeof nbuf) __builtin_trap();
    }
    return 0;
}
