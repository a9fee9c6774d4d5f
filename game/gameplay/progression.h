#pragma once
// Starting a run and moving through it: sub-levels of 20 seconds, five to a
// stage, each changing speed, spawn chance and letter value; the difficulty
// and free-game factors on top.
#include "game/engine/widgets.h"
#include "game/gameplay/run_state.h"

namespace glyphora {

struct Game;

// The difficulty of the run, kept within Easy..Hard.
int RunDifficulty(const Game& game);

// The free-game choices as values, from the steps of the free-game sliders
// (a stored step out of range counts as the nearest one in range).
struct FreeGameParameters {
    int startLevel = 1;       // 1, 6, 11, 16 or 21
    int speedPercent = 100;   // 20-200
    int densityPercent = 100; // 20-200
    int maxLives = 5;         // 1-8
};
FreeGameParameters FreeGameParametersOf(const Widgets& widgets);

// Letters on every sub-level, digits on the last two (on Easy only the last).
void SetDefaultContentFlags(RunState& run, int difficulty);
// The free-game check boxes become the content flags of the next run.
void CopyFreeGameContent(Game& game);
// True when the free-game check boxes let something fall on some sub-level.
bool FreeGameHasCharacters(const Widgets& widgets);
// Starts the free game the free-game screen describes; nothing while no box
// is ticked, since nothing would fall and the run could never end.
void StartFreeGame(Game& game);

// The product of the factors of all stages completed before stage.
float StageFactor(int stage, float StageFactors::*factor);

// Starts a run (standard or free, by run.freeGame) and shows the play screen.
void NewGame(Game& game);
// Enters sub-level k (0-4); from sub-level 4 to 0 a new stage begins. Items
// already falling change speed with it. withMusic: a new stage picks a track.
void SetSubLevel(Game& game, int k, bool withMusic);
void UpdateLetterValue(Game& game);
// Speed of a new item, pixels per second.
float ItemSpeed(const Game& game);
// Once per frame: the sub-level timer, bonus-bar decay, message expiry and
// panic decay, measured from the field's last update to now.
void TickProgression(Game& game, int now);
int LevelNumber(const RunState& run);

}  // namespace glyphora
