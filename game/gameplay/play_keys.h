#pragma once
// The play field's key handler: catching falling letters, typing the word on
// offer, "ANOTHER", and telling mistakes from near misses.
#include <cstdint>
#include <string_view>

#include "game/gameplay/play_model.h"

namespace glyphora {

// A key-down during play (not while paused) at game time now and system tick
// tick. A key a cheat matcher accepted is no mistake. Keypad digits count as
// digits; keys other than letters, digits and the space bar do nothing, as
// does every key while the panic lock holds.
PlayEvents HandleRunKey(PlayModel& play, int key, int now, std::uint32_t tick, bool cheatAccepted);
// The greatest n (at most the word's length) such that the last n typed keys
// equal the first n characters of the word; 0 when there is none.
int WordProgress(const TypedHistory& history, std::string_view word);
// The item a key catches among the items of letter that are not being
// caught: the lowest, unless a later one is TNT, which is taken at once.
// Null when there is none.
FallingItem* ChooseTarget(PlayField& field, int letter);

}  // namespace glyphora
