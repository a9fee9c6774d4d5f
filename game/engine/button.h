#pragma once
// The clickable core of image buttons, toggles, text buttons and text fields:
// a hit rectangle with a displayed state, and the registry that dispatches a
// press to the first enabled button under the cursor.
#include <functional>
#include <vector>

#include "game/engine/geometry.h"
#include "game/engine/pointer_state.h"

namespace glyphora {

struct Button;

enum ButtonState { ButtonNormal = 0, ButtonHover = 1, ButtonPressed = 2 };

// Called when the button is pressed.
using ClickHandler = std::function<void()>;
// Called when the displayed state changes, with the new state.
using StateHandler = std::function<void(ButtonState state)>;

struct Button {
    ClickHandler onClick = nullptr;
    StateHandler onStateChange = nullptr;
    Rect rect;            // hit area in client coordinates
    bool enabled = true;  // takes part in click dispatch
    ButtonState state = ButtonNormal;
    ButtonState previousState = ButtonNormal;
    bool forced = false;  // the state is dictated from outside (keyboard selection)
    ButtonState forcedState = ButtonNormal;
};

struct ToggleButton;
struct TextField;

// Every widget that takes presses, in creation order. The widgets live in the
// game's widget set; the registry only points at them.
struct WidgetRegistry {
    std::vector<Button*> buttons;  // image buttons, toggles, text buttons and fields
    std::vector<ToggleButton*> toggles;
    std::vector<TextField*> fields;
};

void RegisterButton(WidgetRegistry& registry, Button& button);

// The state as an index into per-state tables (0..2), whatever was forced.
int StateIndex(const Button& button);

// The displayed state: the forced one, else pressed or hover while the cursor
// is over the button, else normal. onStateChange fires on every change.
void UpdateButtonState(const PointerState& pointer, Button& button);

// Walks the registry in creation order; the first enabled button under the
// cursor that has an onClick takes the press and ends the walk. Buttons
// without onClick on the way only update their state.
void ClickButtonUnderCursor(WidgetRegistry& registry, const PointerState& pointer);

}  // namespace glyphora
