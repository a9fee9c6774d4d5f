#include "game/gameplay/progression.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>

#include "game/audio/music.h"
#include "game/gameplay/falling_items.h"
#include "game/gameplay/music_choice.h"
#include "game/gameplay/run_rules.h"
#include "game/gameplay/spawning.h"
#include "game/gameplay/word_choice.h"
#include "game/shell/game_clock.h"
#include "game/shell/screens.h"

namespace glyphora {
namespace {

constexpr int kStartingLives = 3;
constexpr int kStandardMaxLives = 8;
constexpr float kBonusBarDecayPerSecond = 5;
constexpr float kPanicDecayPerSecond = 25;

const DifficultyRow& DifficultyOf(const Game& game) { return kDifficulties[RunDifficulty(game)]; }

void EnableGroups(RunState& run, int subLevel) {
    run.totalWeight = 0;
    for (int group = 0; group < kGroupCount; ++group) run.groupEnabled[group] = run.contentFlags[subLevel][group];
    for (const LetterEntry& entry : LetterTable)
        if (run.groupEnabled[entry.group]) run.totalWeight += entry.weight;
}

float SpawnChanceFor(const Game& game, int subLevel) {
    const float density = game.run.freeGame ? FreeGameParametersOf(game.widgets).densityPercent / 100.0f : 1.0f;
    return kSubLevels[subLevel].baseChance * StageFactor(game.run.stage, &StageFactors::chance) * density *
           DifficultyOf(game).chance;
}

// Items keep their speed relative to the sub-level's base speed; a new stage
// adds the factor of the stage just completed.
void RescaleItems(Game& game, int subLevel, bool newStage) {
    const RunState& run = game.run;
    float ratio = kSubLevels[subLevel].baseSpeed / kSubLevels[run.subLevel].baseSpeed;
    if (newStage) ratio *= kStageFactors[std::min(run.stage - 1, kLastStageFactor)].speed;
    for (FallingItem& item : game.field.items) item.speed *= ratio;
}

void StartStageMusic(Game& game) {
    RunState& run = game.run;
    if (run.stage == 3 || run.stage == 6) run.musicTier = std::min(run.musicTier + 1, kMusicTierCount - 1);
    ChooseMusicTrack(game);
}

void ResetRunCounters(Game& game) {
    RunState& run = game.run;
    run.tntCatches = run.tntCharges = 0;
    run.blastRunning = false;
    run.blastStart = 0;
    game.cheats.invulnerable = false;
    game.store.setCheated(false);
    game.field.anotherProgress = 0;
    run.lettersCaught = run.wordsCompleted = run.bonusBars = run.panics = 0;
    run.panic = 0;
    run.panicLocked = false;
}

void StartRunMusic(Game& game) {
    StopAllMusic(game);
    game.run.musicTier = DifficultyOf(game).firstMusicTier;
    game.run.trackIndex = std::rand() % kMusicTierSizes[game.run.musicTier];
}

void StartLives(Game& game) {
    RunState& run = game.run;
    run.maxLives = run.freeGame ? FreeGameParametersOf(game.widgets).maxLives : kStandardMaxLives;
    run.lives = std::min(kStartingLives, run.maxLives);
}

}  // namespace

int RunDifficulty(const Game& game) { return std::clamp(game.settings.difficulty, 0, kDifficultyCount - 1); }

FreeGameParameters FreeGameParametersOf(const Widgets& widgets) {
    const auto step = [&](SliderName name, int highest) {
        return std::clamp(widgets.sliders[name].value, 1, highest);
    };
    FreeGameParameters values;
    values.startLevel = step(StartLevelSlider, 5) * 5 - 4;
    values.speedPercent = step(FallingSpeedSlider, 10) * 20;
    values.densityPercent = step(DensitySlider, 10) * 20;
    values.maxLives = step(MaxLivesSlider, 8);
    return values;
}

void SetDefaultContentFlags(RunState& run, int difficulty) {
    for (int k = 0; k < kSubLevelCount; ++k) {
        run.contentFlags[k][kLettersAndSpace] = true;
        run.contentFlags[k][kDigits] = kSubLevels[k].digitsByDefault;
    }
    if (difficulty == kEasy) run.contentFlags[3][kDigits] = false;
}

void CopyFreeGameContent(Game& game) {
    for (int k = 0; k < kSubLevelCount; ++k)
        for (int group = 0; group < kGroupCount; ++group)
            game.run.contentFlags[k][group] = game.widgets.freeGameToggles[k][group].checked;
}

bool FreeGameHasCharacters(const Widgets& widgets) {
    for (const auto& row : widgets.freeGameToggles)
        for (const ToggleButton& toggle : row)
            if (toggle.checked) return true;
    return false;
}

void StartFreeGame(Game& game) {
    if (!FreeGameHasCharacters(game.widgets)) return;
    game.run.freeGame = true;
    CopyFreeGameContent(game);
    NewGame(game);
}

float StageFactor(int stage, float StageFactors::*factor) {
    float product = 1;
    for (int j = 0; j < stage; ++j) product *= kStageFactors[std::min(j, kLastStageFactor)].*factor;
    return product;
}

void NewGame(Game& game) {
    RunState& run = game.run;
    game.shell.paused = false;
    game.shell.pausedTotal = 0;
    const int now = GameTime(game);
    ClearField(game.field);
    if (!run.freeGame) SetDefaultContentFlags(run, RunDifficulty(game));
    StartRunMusic(game);
    run.stage = run.freeGame ? FreeGameParametersOf(game.widgets).startLevel / 5 : 0;
    run.subLevel = 0;
    SetSubLevel(game, 0, true);
    game.store.setRunScore(0);
    UpdateLetterValue(game);
    game.field.lastUpdate = now;
    PickNextWord(game);
    StartLives(game);
    run.bonusBar = 0;
    run.message.clear();
    SetFieldActive(game.widgets.nameEntryField, false);
    if (run.freeGame) run.survivalStart = now;
    ResetRunCounters(game);
    for (int spawns = std::rand() % 3 + 1; spawns > 0; --spawns) SpawnItem(game);
    SwitchScreen(game, ScreenKind::Play);
}

void SetSubLevel(Game& game, int k, bool withMusic) {
    assert(k >= 0 && k < kSubLevelCount);
    RunState& run = game.run;
    const bool newStage = k == 0 && run.subLevel == kSubLevelCount - 1;
    if (newStage) ++run.stage;
    EnableGroups(run, k);
    run.spawnChance = SpawnChanceFor(game, k);
    run.levelStart = GameTime(game);
    RescaleItems(game, k, newStage);
    if (withMusic && k == 0) StartStageMusic(game);
    run.subLevel = k;
    UpdateLetterValue(game);
}

void UpdateLetterValue(Game& game) {
    const float multiplier = StageFactor(game.run.stage, &StageFactors::points) * DifficultyOf(game).points;
    game.store.setLevelMultiplier(multiplier);
    game.store.setLetterValue(static_cast<int>(kSubLevels[game.run.subLevel].basePoints * multiplier));
}

float ItemSpeed(const Game& game) {
    const RunState& run = game.run;
    const float speedFactor = run.freeGame ? FreeGameParametersOf(game.widgets).speedPercent / 100.0f : 1.0f;
    return kSubLevels[run.subLevel].baseSpeed * StageFactor(run.stage, &StageFactors::speed) * speedFactor *
           DifficultyOf(game).speed;
}

void TickProgression(Game& game, int now) {
    RunState& run = game.run;
    if (Elapsed(now, run.levelStart) > kSubLevelMs) SetSubLevel(game, (run.subLevel + 1) % kSubLevelCount, true);
    const float seconds = static_cast<float>(Elapsed(now, game.field.lastUpdate)) / 1000;
    run.bonusBar = std::max(0.0f, run.bonusBar - seconds * kBonusBarDecayPerSecond);
    ExpireMessage(game, now);
    run.panic = std::max(0.0f, run.panic - seconds * kPanicDecayPerSecond);
}

int LevelNumber(const RunState& run) { return run.stage * kSubLevelCount + run.subLevel + 1; }

}  // namespace glyphora
