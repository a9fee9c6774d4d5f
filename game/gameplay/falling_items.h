#pragma once
// Motion and catching of the falling items.
#include "common/random.h"
#include "game/gameplay/play_field.h"

namespace glyphora {

// Removes every item (the start of a run).
void ClearField(PlayField& field);

// Moves the item by the game time passed since its last advance: it falls at
// its speed and turns at its spin speed; a caught item also spins faster or
// shrinks to nothing over the catch animation.
void AdvanceItem(FallingItem& item, int now);

// Starts the catch animation: the item spins, shrinks, or both, and is
// removed kCatchAnimationMs after now. On shape 0 the space and the round
// glyphs O, D and 0 always shrink without spinning.
void StartCatchAnimation(FallingItem& item, int now, Random& random);

// True when the catch animation is over at now.
bool CatchAnimationOver(const FallingItem& item, int now);

}  // namespace glyphora
