#include "game/shell/screens.h"

#include "game/shell/game.h"

namespace glyphora {

void DrawScreen(Game& game) { ClearScreen(game, 0xFFFFFFFF); }

}  // namespace glyphora
