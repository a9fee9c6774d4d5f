#pragma once
// The mouse as the widgets see it (pointer.h reads and follows it).
#include "platform/platform.h"

namespace glyphora {

struct PointerState {
    platform::Point cursorScreen;  // last cursor position read, screen coordinates
    platform::Point cursorClient;  // cursorScreen minus the window's position
    bool mouseDown = false;        // left button held
    bool dragging = false;         // a window drag is in progress
    platform::Point dragAnchor;    // screen position of the cursor at the last drag step
};

}  // namespace glyphora
