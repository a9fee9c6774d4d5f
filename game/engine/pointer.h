#pragma once
// The mouse as the widgets see it, and moving the frameless window by
// dragging: a press anywhere in the window starts a drag, and every frame
// moves the window by what the cursor moved since the last frame.
#include "platform/platform.h"

namespace glyphora {

struct Game;

struct PointerState {
    platform::Point cursorScreen;  // last cursor position read, screen coordinates
    platform::Point cursorClient;  // cursorScreen minus windowPos
    bool mouseDown = false;        // left button held
    bool dragging = false;         // a window drag is in progress
    platform::Point dragAnchor;    // screen position of the cursor at the last drag step
    platform::Point windowPos{40, 30};  // the window's top-left as the program last set it
};

// Reads the cursor; every hit test uses the client position read last.
void ReadCursor(Game& game);
// The left button went down (after ReadCursor): a press inside the window
// starts a drag, then toggles, buttons and text fields take the press.
void OnMouseDown(Game& game);
// The left button went up: the drag ends where the cursor is now.
void OnMouseUp(Game& game);
// First thing in every frame: follows a drag under way.
void DragWindow(Game& game);
// The window lost the focus: no press or drag survives it.
void EndMousePress(Game& game);
// Moves the window to p and remembers it as the window's position (the
// pointer's and the shell's).
void PlaceWindow(Game& game, platform::Point p);

}  // namespace glyphora
