#pragma once
// The play field's key handler: catching falling letters, typing the word on
// offer, "ANOTHER", and telling mistakes from near misses.
#include <string_view>

#include "game/gameplay/play_field.h"

namespace glyphora {

struct Game;

// Called for every key-down on every screen, before the key routing. Feeds
// the cheat matchers everywhere; acts on the field only on the play screen
// while not paused.
void HandlePlayKey(Game& game, int key);

// The greatest n (at most the word's length) such that the last n typed keys
// equal the first n characters of the word; 0 when there is none.
int WordProgress(const TypedHistory& history, std::string_view word);

// The item a key catches among the items of letter that are not being
// caught: the lowest, unless a later one is TNT, which is taken at once.
// Null when there is none.
FallingItem* ChooseTarget(PlayField& field, int letter);

}  // namespace glyphora
