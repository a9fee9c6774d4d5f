#include "game/engine/button.h"

#include "game/shell/game.h"

namespace glyphora {

void RegisterButton(WidgetRegistry& registry, Button& button) { registry.buttons.push_back(&button); }

int StateIndex(const Button& button) { return button.state < 0 ? 0 : button.state > 2 ? 2 : button.state; }

void UpdateButtonState(Game& game, Button& button) {
    if (button.forced) {
        button.state = button.forcedState;
    } else {
        button.state = ButtonNormal;
        if (button.rect.contains(game.pointer.cursorClient))
            button.state = game.pointer.mouseDown ? ButtonPressed : ButtonHover;
    }
    if (button.state != button.previousState && button.onStateChange) button.onStateChange(game, button.state);
    button.previousState = button.state;
}

void ClickButtonUnderCursor(Game& game) {
    // By index, so that a handler that registers a widget cannot invalidate the walk.
    std::vector<Button*>& buttons = game.widgets.registry.buttons;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        Button& button = *buttons[i];
        if (!button.enabled || !button.rect.contains(game.pointer.cursorClient)) continue;
        UpdateButtonState(game, button);
        if (button.onClick) {
            button.onClick(game, button);
            return;
        }
    }
}

}  // namespace glyphora
