#pragma once
// Drawing dispatch for the current screen.

namespace glyphora {

struct Game;

// Draws the current screen; called between BeginFrame and EndFrame.
void DrawScreen(Game& game);

}  // namespace glyphora
