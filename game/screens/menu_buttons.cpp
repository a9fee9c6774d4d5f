#include "game/screens/menu_buttons.h"

#include "game/engine/selection_band.h"
#include "game/shell/game.h"

namespace glyphora {

void DrawButton(Game& game, ImageButtonName name) {
    DrawImageButton(game.renderer, game.pointer, game.widgets.imageButtons[name]);
}

void DrawButtonWhen(Game& game, ImageButtonName name, bool shown) {
    ImageButton& button = game.widgets.imageButtons[name];
    button.enabled = shown;
    if (shown) DrawImageButton(game.renderer, game.pointer, button);
}

void DrawBoxFocus(Game& game, const ToggleButton& box) {
    if (!box.forced || box.forcedState != ButtonHover) return;
    constexpr int kLeft = 2, kWidth = 44, kAbove = 2;  // around the box drawn in the right of its picture
    DrawSelectionBand(game.renderer, game.resources, box.x + kLeft, box.y - kAbove, kWidth);
}

bool CursorOverButton(const Game& game, ImageButtonName name) {
    const ImageButton& button = game.widgets.imageButtons[name];
    return MakeRect(button.x, button.y, button.sprite.srcW, button.sprite.srcH).contains(game.pointer.cursorClient);
}

int MainMenuButtonUnderCursor(const Game& game) {
    for (int i = 0; i < kMainMenuButtons; ++i)
        if (CursorOverButton(game, ImageButtonName(PlayButton + i))) return i;
    return -1;
}

}  // namespace glyphora
