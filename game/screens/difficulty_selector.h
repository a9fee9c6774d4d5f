#pragma once
// The difficulty as the menus show it: its name picture between the two
// arrow buttons, boxed on the high-score screen and the difficulty choice.

#include "game/gameplay/level_tables.h"

namespace glyphora {

struct Game;

// The name picture of a difficulty (out-of-range values show the nearest).
void DrawDifficultyName(Game& game, int difficulty, int x, int y);
// The selector box from (245, top), the name in it, and the down and up
// arrows where the screen placed them, on each side of the name.
void DrawDifficultySelector(Game& game, int top, int difficulty);

}  // namespace glyphora
