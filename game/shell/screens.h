#pragma once
// Which screen is shown: switching between screens with what entering and
// leaving each one does (their rows in the screen table say), and the
// drawing of the current one.
#include "game/engine/geometry.h"
#include "game/shell/screen_state.h"

namespace glyphora {

struct Game;

// Makes kind the current screen at once. On the way the keyboard focus is
// cleared (unless the new screen keeps it) and no button keeps a keyboard
// state; the main menu's peek starts afresh; a paused screen that is left
// resumes its clock first; the screen left does what leaving it does, then
// the new one what entering it does; the new screen's buttons are placed and
// enabled, every other disabled.
void SwitchScreen(Game& game, ScreenKind kind);

// Draws the current screen on white: a menu screen between its header strip
// and footer band, framed with a black border unless it draws its own.
void DrawScreen(Game& game);
// The current screen's header strip across the top (cap, title tab, fill,
// corner picture), when it has a menu frame.
void DrawHeaderStrip(Game& game);
// The one-pixel frame around the window.
void DrawWindowBorder(Game& game, Colour colour);

}  // namespace glyphora
