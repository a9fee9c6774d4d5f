#include "game/engine/pointer.h"

#include <algorithm>

#include "game/engine/image_button.h"
#include "game/engine/text_field.h"
#include "game/engine/window_size.h"

namespace glyphora {
namespace {

platform::Point operator-(platform::Point a, platform::Point b) { return {a.x - b.x, a.y - b.y}; }
platform::Point operator+(platform::Point a, platform::Point b) { return {a.x + b.x, a.y + b.y}; }

// One step of a drag: the window follows what the cursor moved since the
// anchor, which moves along.
platform::Point FollowDrag(PointerState& pointer, platform::Point windowPos) {
    const platform::Point moved = pointer.cursorScreen - pointer.dragAnchor;
    pointer.dragAnchor = pointer.cursorScreen;
    if (moved == platform::Point{}) return windowPos;
    const platform::Point moveTo = windowPos + moved;
    // The client position follows the window at once, not only at the next read.
    pointer.cursorClient = ClientPoint(pointer.view, pointer.cursorScreen, moveTo);
    return moveTo;
}

int FloorDivide(int value, int by) { return value >= 0 ? value / by : -((-value + by - 1) / by); }

}  // namespace

platform::Point ClientPoint(const platform::WindowView& view, platform::Point screen, platform::Point windowPos) {
    const platform::Point corner = view.fullScreen ? view.displayCorner : windowPos;
    const int scale = std::max(view.scale, 1);
    return {FloorDivide(screen.x - corner.x - view.origin.x, scale),
            FloorDivide(screen.y - corner.y - view.origin.y, scale)};
}

void ReadCursor(PointerState& pointer, platform::Desktop& desktop, platform::Point windowPos) {
    pointer.cursorScreen = desktop.cursorPosition();
    pointer.cursorClient = ClientPoint(pointer.view, pointer.cursorScreen, windowPos);
}

void OnMouseDown(PointerState& pointer, WidgetRegistry& registry) {
    pointer.mouseDown = true;
    // A window that covers the display stays where it is.
    const Rect picture = MakeRect(0, 0, kWindowWidth, kWindowHeight);
    if (picture.contains(pointer.cursorClient) && !pointer.view.fullScreen) {
        pointer.dragAnchor = pointer.cursorScreen;
        pointer.dragging = true;
    }
    FlipTogglesUnderCursor(registry, pointer);
    ClickButtonUnderCursor(registry, pointer);
    FocusFieldsUnderCursor(registry, pointer);
}

// The last step of a drag is taken here, so that the window and its
// remembered position agree. A press that started no drag (or whose drag a
// slider took over) moves nothing.
platform::Point OnMouseUp(PointerState& pointer, platform::Desktop& desktop, platform::Point windowPos) {
    const bool wasDragging = pointer.dragging;
    pointer.mouseDown = false;
    pointer.dragging = false;
    ReadCursor(pointer, desktop, windowPos);
    return wasDragging ? FollowDrag(pointer, windowPos) : windowPos;
}

platform::Point DragWindow(PointerState& pointer, platform::Desktop& desktop, platform::Point windowPos) {
    ReadCursor(pointer, desktop, windowPos);
    return pointer.dragging ? FollowDrag(pointer, windowPos) : windowPos;
}

void EndMousePress(PointerState& pointer) {
    pointer.mouseDown = false;
    pointer.dragging = false;
}

}  // namespace glyphora
