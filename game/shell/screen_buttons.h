#pragma once
// The image buttons each screen shows, from its row of the screen table.
// Click dispatch walks every button, so a screen's buttons must be the only
// enabled ones, and their hit areas must be in place from the moment the
// screen is entered, before its first frame is drawn.
#include "game/shell/screen_definition.h"

namespace glyphora {

struct Game;

const ScreenDefinition& ScreenOf(const Game& game, ScreenKind kind);
const ScreenDefinition& CurrentScreen(const Game& game);
// The current screen's button set in the state it is in now.
const ButtonSet& CurrentButtons(const Game& game);

// Disables every image button, then places and enables the current set.
void EnableScreenButtons(Game& game);
// Places the current set again (a screen may change its state between
// frames); enabling is left as it is.
void PlaceScreenButtons(Game& game);
// Moves a button and its hit area.
void PlaceButton(ImageButton& button, int x, int y);

// What a press of the image button does: its action in the current set.
void PressButton(Game& game, ImageButtonName name);
// Every image button's click handler is PressButton; bound once, when the
// widgets exist.
void BindButtonActions(Game& game);

}  // namespace glyphora
