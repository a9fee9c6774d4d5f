#pragma once
// The game-over screen: the summary of the run, and when its score earns a
// place in the local table of its difficulty, the entry of the player's name.

namespace glyphora {

struct Game;

// Buttons, then "Cheater!" alone after a cheat, otherwise the summary and,
// with a place to fill, the rank line and the name field. The name field
// opens kNameEntryDelayMs after the screen was entered, so keys typed at the
// end of the run do not land in it.
void DrawGameOverScreen(Game& game);

}  // namespace glyphora
