#pragma once
// The window's one position and the mouse over it: the shell's side of the
// engine's pointer, with the window moved on the desktop as a drag or a
// placement asks.
#include "platform/platform.h"

namespace glyphora {

struct Game;

// Moves the window to p (screen coordinates) and makes it the position every
// client point is measured from.
void PlaceWindow(Game& game, platform::Point p);
// The engine's pointer steps for this game's window (engine/pointer.h).
void ReadCursor(Game& game);
void OnMouseDown(Game& game);
void OnMouseUp(Game& game);
void DragWindow(Game& game);

}  // namespace glyphora
