#include "game/shell/window_position.h"

#include "game/engine/pointer.h"
#include "game/shell/game.h"

namespace glyphora {
namespace {

void FollowTo(Game& game, platform::Point moveTo) {
    if (moveTo != game.shell.windowPos) PlaceWindow(game, moveTo);
}

}  // namespace

void PlaceWindow(Game& game, platform::Point p) {
    game.shell.windowPos = p;
    game.platform.window->move(p);
    // The client position follows the window at once, not only at the next read.
    game.pointer.cursorClient = ClientPoint(game.pointer.view, game.pointer.cursorScreen, p);
}

void ReadCursor(Game& game) {
    game.pointer.view = game.platform.window->view();
    ReadCursor(game.pointer, *game.platform.desktop, game.shell.windowPos);
}

void OnMouseDown(Game& game) { OnMouseDown(game.pointer, game.widgets.registry); }

void OnMouseUp(Game& game) {
    game.pointer.view = game.platform.window->view();
    FollowTo(game, OnMouseUp(game.pointer, *game.platform.desktop, game.shell.windowPos));
}

void DragWindow(Game& game) {
    game.pointer.view = game.platform.window->view();
    FollowTo(game, DragWindow(game.pointer, *game.platform.desktop, game.shell.windowPos));
}

}  // namespace glyphora
