#pragma once
// Drawing of the play screen: background, blast line, ground, HUD panel,
// the falling items, the word on offer, bonus bar, score, letter value, HUD
// message, lives, level and TNT charges, in that order.

namespace glyphora {

struct Game;

// Draws the pause screen instead while the game is paused, so that the
// letters cannot be read during a pause.
void DrawPlayScreen(Game& game);

}  // namespace glyphora
