#pragma once
// The window procedure's mouse messages: window dragging, the widgets, and
// the sliders of the current screen with the sounds they control.

namespace glyphora {

struct Game;

void OnMouseMoveMessage(Game& game);
void OnLeftButtonDown(Game& game);
void OnLeftButtonUp(Game& game);

}  // namespace glyphora
