#pragma once
// New items: where they appear, how fast they fall and which letter they carry.
#include "game/gameplay/play_model.h"

namespace glyphora {

// Appends one item just above the field, in the widest free gap near the top
// when there is one; nothing when no letter group is enabled.
void SpawnItem(PlayModel& play, int now);

// The left x of a new item: up to 100 random tries in bands of decreasing
// depth below the top; the best try is centred in its gap. A random x when
// every try was blocked.
int ChooseSpawnX(const PlayField& field, Random& random);

// A random LetterTable index of an enabled group, by weight. Needs a total
// weight above 0.
int ChooseLetter(const RunState& run, Random& random);

}  // namespace glyphora
