#pragma once
// The fixed numbers of a run: what each sub-level sets, what every completed
// stage multiplies, what the difficulty changes, the music tiers and the
// colours of each sub-level.
#include "game/engine/geometry.h"

namespace glyphora {

inline constexpr int kSubLevelCount = 5;
inline constexpr int kSubLevelMs = 20000;

struct SubLevelRow {
    float baseSpeed;   // pixels per second
    float baseChance;  // percent per spawn test
    int basePoints;    // per caught letter
    bool digitsByDefault;
};

// Digits on sub-level 3 are dropped on Easy (see DefaultContentFlags).
inline constexpr SubLevelRow kSubLevels[kSubLevelCount] = {
    {20, 12, 10, false}, {40, 15, 20, false}, {60, 18, 30, false}, {80, 21, 40, true}, {100, 24, 50, true},
};

// Factors of the j-th completed stage; from the third on they stay the same.
struct StageFactors {
    float speed, chance, points;
};
inline constexpr StageFactors kStageFactors[] = {{1.5f, 1.3f, 1.5f}, {1.3f, 1.2f, 1.5f}, {1.15f, 1.1f, 1.5f}};
inline constexpr int kLastStageFactor = 2;

enum Difficulty { kEasy = 0, kMedium = 1, kHard = 2, kDifficultyCount = 3 };

struct DifficultyRow {
    const char* name;
    float chance, speed, points;
    int firstMusicTier;
    int shortestWord, longestWord;
};
inline constexpr DifficultyRow kDifficulties[kDifficultyCount] = {
    {"Easy", 0.75f, 0.75f, 1.0f, 0, 1, 8},
    {"Medium", 1.0f, 1.0f, 1.0f, 1, 5, 10},
    {"Hard", 1.5f, 1.5f, 1.0f, 2, 6, 13},
};

// Three tiers of consecutively numbered tracks: 1-2, 3-4, 5-7.
inline constexpr int kMusicTierSizes[] = {2, 2, 3};
inline constexpr int kMusicTierCount = 3;

struct SubLevelPalette {
    Colour background, panel, message, messageFade, word, typedWord, score, letterValue, level;
};
inline constexpr SubLevelPalette kPalette[kSubLevelCount] = {
    {0xFFFFFFFF, 0xFFC5C7B8, 0xFFFFFFFF, 0xFFA0A28E, 0xFF5F604B, 0xFFFFFFFF, 0xFF5F5F60, 0xFFA0A28E, 0xFF434341},
    {0xFFFFD027, 0xFFEDB20F, 0xFFFFFFFF, 0xFFB68B09, 0xFF816361, 0xFFFFFFFF, 0xFF816307, 0xFFB68B09, 0xFF8D6E06},
    {0xFFF78E1D, 0xFFD06F18, 0xFF000000, 0xFF914C03, 0xFF653600, 0xFFFFFFFF, 0xFF653600, 0xFF914C03, 0xFF733D03},
    {0xFFAC0000, 0xFF8F0000, 0xFFFF9900, 0xFF560000, 0xFFC14949, 0xFFFFFFFF, 0xFFC14949, 0xFF560000, 0xFF610101},
    {0xFF000000, 0xFF505050, 0xFFFF0000, 0xFF333333, 0xFF999999, 0xFFFFFFFF, 0xFF999999, 0xFF333333, 0xFF8C8C8C},
};

}  // namespace glyphora
