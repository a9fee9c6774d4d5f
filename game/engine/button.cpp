#include "game/engine/button.h"

namespace glyphora {

void RegisterButton(WidgetRegistry& registry, Button& button) { registry.buttons.push_back(&button); }

int StateIndex(const Button& button) { return static_cast<int>(button.state); }

void UpdateButtonState(const PointerState& pointer, Button& button) {
    if (button.forced) {
        button.state = button.forcedState;
    } else {
        button.state = ButtonNormal;
        if (button.rect.contains(pointer.cursorClient)) button.state = pointer.mouseDown ? ButtonPressed : ButtonHover;
    }
    if (button.state != button.previousState && button.onStateChange) button.onStateChange(button.state);
    button.previousState = button.state;
}

void ClickButtonUnderCursor(WidgetRegistry& registry, const PointerState& pointer) {
    // By index, so that a handler that registers a widget cannot invalidate the walk.
    std::vector<Button*>& buttons = registry.buttons;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        Button& button = *buttons[i];
        if (!button.enabled || !button.rect.contains(pointer.cursorClient)) continue;
        UpdateButtonState(pointer, button);
        if (button.onClick) {
            button.onClick();
            return;
        }
    }
}

}  // namespace glyphora
