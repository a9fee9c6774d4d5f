#pragma once
// Starting a run and moving through it: sub-levels of 20 seconds, five to a
// stage, each changing speed, spawn chance and letter value; the difficulty
// and free-game factors on top.
#include "game/gameplay/play_model.h"

namespace glyphora {

// The free-game choices as values, from the steps the free-game screen
// keeps (a step out of range counts as the nearest one in range).
FreeGameParameters FreeGameParametersOf(int startLevelStep, int speedStep, int densityStep, int maxLivesStep);

// Letters on every sub-level, digits on the last two (on Easy only the last).
void SetDefaultContentFlags(RunState& run, int difficulty);
// True when the content lets something fall on some sub-level.
bool HasCharacters(const bool (&content)[kSubLevelCount][kGroupCount]);

// The product of the factors of all stages completed before stage.
float StageFactor(int stage, float StageFactors::*factor);

// Starts a run at now: an empty field with its first items, the first word,
// three lives (fewer when a free game allows fewer), the score 0, and the
// first track of the difficulty's music tier (events: musicStopped, track).
PlayEvents StartRun(PlayModel& play, const RunSetup& setup, int now);
// Enters sub-level k (0-4) at now; from sub-level 4 to 0 a new stage begins.
// Items already falling change speed with it. withMusic: a new stage picks a
// track (events.track).
void SetSubLevel(PlayModel& play, int k, bool withMusic, int now, PlayEvents& events);
// Puts the run on level (1 and up) at now: its stage and sub-level, with
// that sub-level's groups, spawn chance, letter value and 20-second timer.
// No stage counts as completed on the way (entering sub-level 0 from 4
// through SetSubLevel would add one to the chosen stage), and items already
// falling change speed by the ratio of the two levels' speeds. The music is
// the caller's.
void JumpToLevel(PlayModel& play, int level, int now);
void UpdateLetterValue(PlayModel& play);
// Speed of a new item, pixels per second.
float ItemSpeed(const RunState& run);
// Once per frame: the sub-level timer, bonus-bar decay, message expiry and
// panic decay, measured from the field's last update to now.
void TickProgression(PlayModel& play, int now, PlayEvents& events);
int LevelNumber(const RunState& run);

}  // namespace glyphora
