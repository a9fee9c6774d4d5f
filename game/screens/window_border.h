#pragma once
#include "game/engine/geometry.h"

namespace glyphora {

struct Game;

// A one-pixel frame along the four edges of the window.
void DrawWindowBorder(Game& game, Colour colour);

}  // namespace glyphora
