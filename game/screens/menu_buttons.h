#pragma once
// Placing and drawing the image buttons that a menu screen shows.
#include "game/engine/widgets.h"

namespace glyphora {

struct Game;

// The y of the button row over the footer band.
inline constexpr int kButtonRowY = 400;

// Moves the button to (x, y) and draws it.
void DrawButtonAt(Game& game, ImageButtonName name, int x, int y);
// A button that a screen shows only in some of its states takes presses
// only while it is shown: placed at (x, y), enabled = shown, and drawn when
// shown.
void DrawButtonAtWhen(Game& game, ImageButtonName name, int x, int y, bool shown);

// Whether the cursor lies over the button where it now stands.
bool CursorOverButton(const Game& game, ImageButtonName name);
// Index 0..6 of the main-menu button under the cursor (PlayButton first),
// -1 for none.
int MainMenuButtonUnderCursor(const Game& game);

}  // namespace glyphora
