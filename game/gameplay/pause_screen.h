#pragma once

namespace glyphora {

struct Game;

// Drawn in place of the play field while the game is paused: the field's
// background and the window border. The pause texts arrive with the pause
// screen.
void DrawPauseScreen(Game& game);

}  // namespace glyphora
