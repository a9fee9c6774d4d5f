#pragma once
// The one-pixel frame around the whole window.
#include "game/engine/geometry.h"

namespace glyphora {

struct Game;

void DrawWindowBorder(Game& game, Colour colour);

}  // namespace glyphora
