#pragma once
// The mouse as the widgets see it, and moving the frameless window by
// dragging: a press anywhere in the window starts a drag, and every frame
// moves the window by what the cursor moved since the last frame. The
// window's position is the caller's; these take it and say where it goes.
#include "game/engine/button.h"
#include "game/engine/pointer_state.h"
#include "platform/platform.h"

namespace glyphora {

// Reads the cursor for a window at windowPos shown as pointer.view; every
// hit test uses the client position read last.
void ReadCursor(PointerState& pointer, platform::Desktop& desktop, platform::Point windowPos);
// The left button went down (after ReadCursor): a press on the game's
// picture starts a drag (not on a window that covers the display), then the
// registry's toggles, buttons and text fields take the press.
void OnMouseDown(PointerState& pointer, WidgetRegistry& registry);
// The left button went up: the drag ends where the cursor is now. Returns
// where the window goes: windowPos moved by the drag's last step.
platform::Point OnMouseUp(PointerState& pointer, platform::Desktop& desktop, platform::Point windowPos);
// First thing in every frame: reads the cursor and returns where the window
// goes, moved by what the cursor moved while a drag is under way.
platform::Point DragWindow(PointerState& pointer, platform::Desktop& desktop, platform::Point windowPos);
// The window lost the focus: no press or drag survives it.
void EndMousePress(PointerState& pointer);

}  // namespace glyphora
