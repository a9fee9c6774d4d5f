#pragma once
// The end of a run as the rules see it: the summary and the place the score
// earns, and the name that fills the place.
#include <string>

#include "game/data/score_table.h"
#include "game/gameplay/play_model.h"

namespace glyphora {

inline constexpr int kNameEntryDelayMs = 750;

// Notes how the run ended at now: the score, the survival time of a free
// game, the place the score earns in the local table of the run's
// difficulty (none for a free game or after a cheat), and the summary lines
// of the game-over screen: the score (or, in a free game, the survival time
// as minutes and two-digit seconds, "1:05"), the level reached, and the rank
// waiting for a name.
void EndRun(PlayModel& play, int now);

// True while the run's place in the table waits for a name.
bool NameToEnter(const RunState& run);

// Puts the run's entry under name into its place in the table (an empty name
// becomes "-- anonymous --" and waits for a second confirmation, as the
// table's insertion says).
InsertResult EnterName(const RunState& run, ScoreTable& table, ScoreStore& store, std::string& name);

}  // namespace glyphora
