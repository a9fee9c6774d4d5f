#pragma once
// The keyboard focus of the menu screens: the arrow keys and Tab move it over
// the current screen's buttons in the order its row of the screen table
// gives, Enter runs the focused button's action, and any movement of the
// mouse clears it.
#include <span>

#include "game/shell/widget_set.h"

namespace glyphora {

struct Game;

// The current screen's focus order; empty where the keyboard focus has no buttons.
std::span<const ImageButtonName> FocusOrder(const Game& game);

// key is Left, Up, Right or Down (Tab arrives as Right): the screen's own
// arrow keys where it has them, otherwise MoveFocusAlong.
void MoveFocus(Game& game, int key);
// Left and Right move the focus to the previous or next enabled button,
// wrapping at either end; with no focus, Left takes the last button and Right
// the first. As soon as a button has the focus, the screen's buttons show
// their keyboard state, the focused one highlighted. Up and Down do nothing.
void MoveFocusAlong(Game& game, int key);
// Focuses the button at index of the order, as a focus key does.
void FocusButton(Game& game, int index);

// Enter: what the current screen does with it.
void ActivateFocus(Game& game);
// The menu screens' Enter: the focused button (when enabled) clicks and runs
// its action.
void ActivateFocusedButton(Game& game);

// On every mouse movement and on entering a screen (but the intro): the
// cursor shows again and its idle time starts anew, the settings screen's
// difficulty hint goes once the cursor has left it, and the focus is
// cleared; the menu buttons lose their keyboard state. The help and
// game-over buttons keep theirs until the next focus key.
void ResetKeyboardFocus(Game& game);

// Every image button back to the state the mouse gives it.
void ReleaseKeyboardStates(Game& game);

}  // namespace glyphora
