#pragma once
// The rules' state of one run: levels, lives, bonus bar, TNT, panic, the HUD
// message, music and the run's counts. Reset by NewGame; kept after the run
// ends for the game-over screen. The score, the letter value and the level
// multiplier live in the score store.
#include <array>
#include <cstdint>
#include <string_view>

#include "game/gameplay/letter_table.h"
#include "game/gameplay/level_tables.h"

namespace glyphora {

// The one HUD message: shown at full colour for hold ms, then faded for fade
// ms, then cleared. An empty text means no message.
struct HudMessage {
    static constexpr int kCapacity = 19;
    std::array<char, kCapacity + 1> text{};
    int length = 0;
    int start = 0;  // GameTime
    int hold = 0;
    int fade = 0;

    bool shown() const { return length > 0; }
    std::string_view view() const { return {text.data(), static_cast<std::size_t>(length)}; }
    void clear() { length = 0; }
};

// How the last run ended, for the game-over screen and the name entry.
struct EndOfRun {
    int pendingRank = 0;  // 1-5: the place in the local table that waits for a name; 0 none
    int finalScore = 0;
    int survivalEnd = 0;  // GameTime at the end of a free game
    int difficulty = 1;   // the run's difficulty: the table a name goes into
    // The summary lines, composed once when the run ends.
    std::array<char, 48> scoreLine{};
    std::array<char, 48> levelLine{};
    std::array<char, 64> rankLine{};
};

// A free game's choices as values.
struct FreeGameParameters {
    int startLevel = 1;        // 1, 6, 11, 16 or 21
    int speedPercent = 100;    // 20-200
    int densityPercent = 100;  // 20-200
    int maxLives = 5;          // 1-8
};

struct RunState {
    int difficulty = 1;  // of the run, Easy..Hard
    bool freeGame = false;
    FreeGameParameters freeGameValues;  // meaningful in a free game
    int stage = 0;                      // completed rounds of five sub-levels
    int subLevel = 0;                   // 0-4
    int levelStart = 0;                 // GameTime when the sub-level began
    float spawnChance = 0;              // percent per spawn test
    bool groupEnabled[kGroupCount] = {true, false};
    int totalWeight = 0;  // LetterTable weights of the enabled groups
    bool contentFlags[kSubLevelCount][kGroupCount] = {};
    int lives = 0;
    int maxLives = 8;
    float bonusBar = 0;  // 0 up to 700
    int tntCatches = 0;  // TNT letters caught towards the next charge, 0-2
    int tntCharges = 0;  // blasts available, 0-3
    bool blastRunning = false;
    int blastStart = 0;  // GameTime when the running blast began
    float blastLineY = 0;
    float panic = 0;
    bool panicLocked = false;          // a lock was set and has not been seen to expire
    std::uint32_t panicLockUntil = 0;  // system tick until which play keys are ignored
    int lettersCaught = 0, wordsCompleted = 0, bonusBars = 0, panics = 0;
    int survivalStart = 0;  // GameTime at the start of a free game
    int musicTier = 0;
    int trackIndex = 0;                // last track picked within the tier
    std::array<char, 32> musicFile{};  // the current track's path, for the music cheats
    HudMessage message;
    EndOfRun ending;
};

}  // namespace glyphora
