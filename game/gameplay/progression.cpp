#include "game/gameplay/progression.h"

#include <algorithm>
#include <cassert>

#include "common/elapsed.h"
#include "game/gameplay/falling_items.h"
#include "game/gameplay/music_choice.h"
#include "game/gameplay/run_rules.h"
#include "game/gameplay/spawning.h"
#include "game/gameplay/word_choice.h"

namespace glyphora {
namespace {

constexpr int kStartingLives = 3;
constexpr int kStandardMaxLives = 8;
constexpr float kBonusBarDecayPerSecond = 5;
constexpr float kPanicDecayPerSecond = 25;

const DifficultyRow& DifficultyOf(const RunState& run) { return kDifficulties[run.difficulty]; }

void EnableGroups(RunState& run, int subLevel) {
    run.totalWeight = 0;
    for (int group = 0; group < kGroupCount; ++group) run.groupEnabled[group] = run.contentFlags[subLevel][group];
    for (const LetterEntry& entry : LetterTable)
        if (run.groupEnabled[entry.group]) run.totalWeight += entry.weight;
}

float SpawnChanceFor(const RunState& run, int subLevel) {
    const float density = run.freeGame ? run.freeGameValues.densityPercent / 100.0f : 1.0f;
    return kSubLevels[subLevel].baseChance * StageFactor(run.stage, &StageFactors::chance) * density *
           DifficultyOf(run).chance;
}

// Items keep their speed relative to the sub-level's base speed; a new stage
// adds the factor of the stage just completed.
void RescaleItems(PlayModel& play, int subLevel, bool newStage) {
    const RunState& run = play.run;
    float ratio = kSubLevels[subLevel].baseSpeed / kSubLevels[run.subLevel].baseSpeed;
    if (newStage) ratio *= kStageFactors[std::min(run.stage - 1, kLastStageFactor)].speed;
    for (FallingItem& item : play.field.items) item.speed *= ratio;
}

void StartStageMusic(PlayModel& play, PlayEvents& events) {
    RunState& run = play.run;
    if (run.stage == 3 || run.stage == 6) run.musicTier = std::min(run.musicTier + 1, kMusicTierCount - 1);
    ChooseMusicTrack(run, play.random, events);
}

void ResetRunCounters(PlayModel& play) {
    RunState& run = play.run;
    run.tntCatches = run.tntCharges = 0;
    run.blastRunning = false;
    run.blastStart = 0;
    play.cheats.invulnerable = false;
    // A choice armed in the last run and never finished is not taken by this
    // one's digits: it would move an unmarked run.
    play.cheats.levelChoiceState = 0;
    play.cheats.trackChoiceArmed = false;
    play.cheats.skipNextCharacter = false;
    play.store.setCheated(false);
    play.field.anotherProgress = 0;
    run.lettersCaught = run.wordsCompleted = run.bonusBars = run.panics = 0;
    run.panic = 0;
    run.panicLocked = false;
}

void StartRunMusic(PlayModel& play, PlayEvents& events) {
    events.musicStopped = true;
    play.run.musicTier = DifficultyOf(play.run).firstMusicTier;
    play.run.trackIndex = play.random.below(kMusicTierSizes[play.run.musicTier]);
}

void StartLives(RunState& run) {
    run.maxLives = run.freeGame ? run.freeGameValues.maxLives : kStandardMaxLives;
    run.lives = std::min(kStartingLives, run.maxLives);
}

void TakeSetup(RunState& run, const RunSetup& setup) {
    run.difficulty = std::clamp(setup.difficulty, 0, kDifficultyCount - 1);
    run.freeGame = setup.freeGame;
    run.freeGameValues = setup.freeGameValues;
    if (!run.freeGame) {
        SetDefaultContentFlags(run, run.difficulty);
        return;
    }
    for (int k = 0; k < kSubLevelCount; ++k)
        for (int group = 0; group < kGroupCount; ++group) run.contentFlags[k][group] = setup.content[k][group];
}

}  // namespace

FreeGameParameters FreeGameParametersOf(int startLevelStep, int speedStep, int densityStep, int maxLivesStep) {
    FreeGameParameters values;
    values.startLevel = std::clamp(startLevelStep, 1, 5) * 5 - 4;
    values.speedPercent = std::clamp(speedStep, 1, 10) * 20;
    values.densityPercent = std::clamp(densityStep, 1, 10) * 20;
    values.maxLives = std::clamp(maxLivesStep, 1, 8);
    return values;
}

void SetDefaultContentFlags(RunState& run, int difficulty) {
    for (int k = 0; k < kSubLevelCount; ++k) {
        run.contentFlags[k][kLettersAndSpace] = true;
        run.contentFlags[k][kDigits] = kSubLevels[k].digitsByDefault;
    }
    if (difficulty == kEasy) run.contentFlags[3][kDigits] = false;
}

bool HasCharacters(const bool (&content)[kSubLevelCount][kGroupCount]) {
    for (const auto& row : content)
        for (bool chosen : row)
            if (chosen) return true;
    return false;
}

float StageFactor(int stage, float StageFactors::*factor) {
    float product = 1;
    for (int j = 0; j < stage; ++j) product *= kStageFactors[std::min(j, kLastStageFactor)].*factor;
    return product;
}

PlayEvents StartRun(PlayModel& play, const RunSetup& setup, int now) {
    PlayEvents events;
    RunState& run = play.run;
    ClearField(play.field);
    TakeSetup(run, setup);
    StartRunMusic(play, events);
    run.stage = run.freeGame ? run.freeGameValues.startLevel / 5 : 0;
    run.subLevel = 0;
    SetSubLevel(play, 0, true, now, events);
    play.store.setRunScore(0);
    UpdateLetterValue(play);
    play.field.lastUpdate = now;
    PickNextWord(play);
    StartLives(run);
    run.bonusBar = 0;
    run.message.clear();
    if (run.freeGame) run.survivalStart = now;
    ResetRunCounters(play);
    for (int spawns = play.random.below(3) + 1; spawns > 0; --spawns) SpawnItem(play, now);
    return events;
}

void SetSubLevel(PlayModel& play, int k, bool withMusic, int now, PlayEvents& events) {
    assert(k >= 0 && k < kSubLevelCount);
    RunState& run = play.run;
    const bool newStage = k == 0 && run.subLevel == kSubLevelCount - 1;
    if (newStage) ++run.stage;
    EnableGroups(run, k);
    run.spawnChance = SpawnChanceFor(run, k);
    run.levelStart = now;
    RescaleItems(play, k, newStage);
    if (withMusic && k == 0) StartStageMusic(play, events);
    run.subLevel = k;
    UpdateLetterValue(play);
}

void JumpToLevel(PlayModel& play, int level, int now) {
    assert(level >= 1);
    RunState& run = play.run;
    const float speedBefore = ItemSpeed(run);
    run.stage = (level - 1) / kSubLevelCount;
    run.subLevel = (level - 1) % kSubLevelCount;
    const float ratio = ItemSpeed(run) / speedBefore;
    for (FallingItem& item : play.field.items) item.speed *= ratio;
    EnableGroups(run, run.subLevel);
    run.spawnChance = SpawnChanceFor(run, run.subLevel);
    run.levelStart = now;
    UpdateLetterValue(play);
}

void UpdateLetterValue(PlayModel& play) {
    const float multiplier = StageFactor(play.run.stage, &StageFactors::points) * DifficultyOf(play.run).points;
    play.store.setLevelMultiplier(multiplier);
    play.store.setLetterValue(static_cast<int>(kSubLevels[play.run.subLevel].basePoints * multiplier));
}

float ItemSpeed(const RunState& run) {
    const float speedFactor = run.freeGame ? run.freeGameValues.speedPercent / 100.0f : 1.0f;
    return kSubLevels[run.subLevel].baseSpeed * StageFactor(run.stage, &StageFactors::speed) * speedFactor *
           DifficultyOf(run).speed;
}

void TickProgression(PlayModel& play, int now, PlayEvents& events) {
    RunState& run = play.run;
    if (Elapsed(now, run.levelStart) > kSubLevelMs)
        SetSubLevel(play, (run.subLevel + 1) % kSubLevelCount, true, now, events);
    const float seconds = static_cast<float>(Elapsed(now, play.field.lastUpdate)) / 1000;
    run.bonusBar = std::max(0.0f, run.bonusBar - seconds * kBonusBarDecayPerSecond);
    ExpireMessage(run.message, now);
    run.panic = std::max(0.0f, run.panic - seconds * kPanicDecayPerSecond);
}

int LevelNumber(const RunState& run) { return run.stage * kSubLevelCount + run.subLevel + 1; }

}  // namespace glyphora
