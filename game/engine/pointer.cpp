#include "game/engine/pointer.h"

#include "game/engine/image_button.h"
#include "game/engine/text_field.h"
#include "game/shell/game.h"

namespace glyphora {
namespace {

platform::Point operator-(platform::Point a, platform::Point b) { return {a.x - b.x, a.y - b.y}; }
platform::Point operator+(platform::Point a, platform::Point b) { return {a.x + b.x, a.y + b.y}; }

// The shell keeps the position for the settings file; keep it in step.
void RememberWindowPosition(Game& game, platform::Point p) {
    game.pointer.windowPos = p;
    game.shell.windowX = p.x;
    game.shell.windowY = p.y;
}

}  // namespace

void ReadCursor(Game& game) {
    PointerState& pointer = game.pointer;
    pointer.cursorScreen = game.platform.desktop->cursorPosition();
    pointer.cursorClient = pointer.cursorScreen - pointer.windowPos;
}

void OnMouseDown(Game& game) {
    PointerState& pointer = game.pointer;
    pointer.mouseDown = true;
    const Rect window = MakeRect(pointer.windowPos.x, pointer.windowPos.y, kWindowWidth, kWindowHeight);
    if (window.contains(pointer.cursorScreen)) {
        pointer.dragAnchor = pointer.cursorScreen;
        pointer.dragging = true;
    }
    FlipTogglesUnderCursor(game);
    ClickButtonUnderCursor(game);
    FocusFieldsUnderCursor(game);
}

// The last step of a drag is taken here and the window is moved with it, so
// that the window and its remembered position agree. A press that started no
// drag (or whose drag a slider took over) moves nothing.
void OnMouseUp(Game& game) {
    PointerState& pointer = game.pointer;
    const bool wasDragging = pointer.dragging;
    pointer.mouseDown = false;
    pointer.dragging = false;
    ReadCursor(game);
    if (!wasDragging) return;
    const platform::Point moved = pointer.cursorScreen - pointer.dragAnchor;
    pointer.dragAnchor = pointer.cursorScreen;
    if (moved != platform::Point{}) PlaceWindow(game, pointer.windowPos + moved);
}

void DragWindow(Game& game) {
    ReadCursor(game);
    PointerState& pointer = game.pointer;
    if (!pointer.dragging) return;
    const platform::Point moved = pointer.cursorScreen - pointer.dragAnchor;
    pointer.dragAnchor = pointer.cursorScreen;
    if (moved != platform::Point{}) PlaceWindow(game, pointer.windowPos + moved);
}

void EndMousePress(Game& game) {
    game.pointer.mouseDown = false;
    game.pointer.dragging = false;
}

void PlaceWindow(Game& game, platform::Point p) {
    RememberWindowPosition(game, p);
    game.platform.window->move(p);
    // The client position follows the window at once, not only at the next read.
    game.pointer.cursorClient = game.pointer.cursorScreen - p;
}

}  // namespace glyphora
