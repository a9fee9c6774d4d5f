#include "game/gameplay/pause_screen.h"

#include "game/gameplay/level_tables.h"
#include "game/screens/window_border.h"
#include "game/shell/game.h"

namespace glyphora {

void DrawPauseScreen(Game& game) {
    ClearScreen(game, kPalette[game.run.subLevel].background);
    DrawWindowBorder(game, 0xFF000000);
}

}  // namespace glyphora
