#include "scores/high_scores.h"

#include <algorithm>

#include "scores/score_file.h"

namespace {

struct DefaultScore {
    const char *name;
    int score;
};

constexpr DefaultScore kDefaultScores[kScorePlaces] = {
    {"Stack Master", 20000}, {"Cube Crusher", 15000}, {"Tile Wizard", 12000},
    {"Row Runner", 10000},   {"Color Keeper", 9000},  {"Gem Hopper", 7000},
    {"Quick Clicker", 6000}, {"Tunnel Diver", 5000},  {"Side Switcher", 3000},
    {"Late Starter", 2000},
};

void defaultEntry(int place, HighScoreEntry &entry) {
    padName(kDefaultScores[place].name, entry.name);
    entry.score = kDefaultScores[place].score;
}

}  // namespace

void completeWithDefaults(HighScoreEntry scorelist[kScorePlaces], int got) {
    for (int i = std::max(got, 0); i < kScorePlaces; ++i) defaultEntry(i, scorelist[i]);
}

int findPlace(const HighScoreEntry scorelist[kScorePlaces], int newScore) {
    int place = 0;
    while (place < kScorePlaces && scorelist[place].score >= newScore) ++place;
    return place;
}

void insertAt(HighScoreEntry scorelist[kScorePlaces], int place, const HighScoreEntry &entry) {
    for (int j = kScorePlaces - 1; j > place; --j) scorelist[j] = scorelist[j - 1];
    scorelist[place] = entry;
}
