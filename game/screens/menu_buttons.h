#pragma once
// Placing and drawing the image buttons that a menu screen shows.
#include "game/shell/screen_buttons.h"
#include "game/shell/widget_set.h"

namespace glyphora {

struct Game;

// Draws the button where it stands (screen_layout.h places it).
void DrawButton(Game& game, ImageButtonName name);
// A button that a screen shows only in some of its states takes presses
// only while it is shown: enabled = shown, and drawn when shown.
void DrawButtonWhen(Game& game, ImageButtonName name, bool shown);

// A check box with the keyboard focus stands on a selection band (its own
// hover picture alone is too faint to tell); drawn before the box.
void DrawBoxFocus(Game& game, const ToggleButton& box);

// Whether the cursor lies over the button where it now stands.
bool CursorOverButton(const Game& game, ImageButtonName name);
// Index 0..6 of the main-menu button under the cursor (PlayButton first),
// -1 for none.
int MainMenuButtonUnderCursor(const Game& game);

}  // namespace glyphora
