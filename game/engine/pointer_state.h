#pragma once
// The mouse as the widgets see it (pointer.h reads and follows it).
#include "platform/platform.h"

namespace glyphora {

struct PointerState {
    platform::Point cursorScreen;  // last cursor position read, screen coordinates
    platform::Point cursorClient;  // cursorScreen in the game's own pixels (see ClientPoint)
    bool mouseDown = false;        // left button held
    bool dragging = false;         // a window drag is in progress
    platform::Point dragAnchor;    // screen position of the cursor at the last drag step
    platform::WindowView view;     // how the window shows the game, read with the cursor
};

// A screen point in the game's pixels for a window at windowPos shown as
// view: less the window's position and the picture's origin, divided by the
// scale (rounding down, so the black around the picture stays outside it).
// A window that covers the display stands at the display's corner, whatever
// position the game last gave it.
platform::Point ClientPoint(const platform::WindowView& view, platform::Point screen, platform::Point windowPos);

}  // namespace glyphora
