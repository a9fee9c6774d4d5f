#pragma once
// Which screen is shown, switching between screens, and the drawing dispatch
// for the current one.
#include "game/shell/screen_state.h"

namespace glyphora {

struct Game;

// Makes kind the current screen at once. The menus' entering and leaving
// actions arrive with the menus; so far leaving the play screen stops the
// music.
void SwitchScreen(Game& game, ScreenKind kind);

// Draws the current screen; called between BeginFrame and EndFrame.
void DrawScreen(Game& game);

// The mouse moved: the cursor shows again and its idle time starts anew.
void ResetKeyboardFocus(Game& game);

}  // namespace glyphora
