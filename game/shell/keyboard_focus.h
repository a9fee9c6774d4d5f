#pragma once
// The keyboard focus of the menu screens: the arrow keys and Tab move it over
// the current screen's controls (boxes, sliders, the name field, the
// difficulty arrows) and then its buttons in the order its row of the screen
// table gives, Enter runs the focused button's action, Space flips a focused
// box, and any movement of the mouse clears it.
#include <span>

#include "game/shell/widget_set.h"

namespace glyphora {

struct Game;

// The current screen's focus order; empty where the keyboard focus has no buttons.
std::span<const ImageButtonName> FocusOrder(const Game& game);

// key is Left, Up, Right, Down or Tab: the screen's own arrow keys where it
// has them (Tab among them), otherwise MoveFocusAlong.
void MoveFocus(Game& game, int key);
// Left and Right (and Tab) move the focus to the previous or next enabled
// stop, the controls first and then the buttons, wrapping at either end;
// with no focus, Left takes the last stop and Right the first. On a slider
// or the difficulty arrows, Left and Right change the value instead; Tab
// always moves on. Up and Down move the focus on screens with controls and
// do nothing elsewhere. As soon as anything has the focus, the screen's
// buttons show their keyboard state, the focused one highlighted; a focused
// slider is framed, a focused name field takes the typing.
void MoveFocusAlong(Game& game, int key);
// Focuses the stop at index (the controls, then the order), as a focus key does.
void FocusButton(Game& game, int index);

// Enter: what the current screen does with it.
void ActivateFocus(Game& game);
// The menu screens' Enter: the focused button (when enabled) clicks and runs
// its action; a focused box flips, any other control passes the focus on.
void ActivateFocusedButton(Game& game);
// Space: a focused box flips.
void FlipFocusedBox(Game& game);

// On every mouse movement and on entering a screen (but the intro): the
// cursor shows again and its idle time starts anew, the settings screen's
// difficulty hint goes once the cursor has left it, and the focus is
// cleared; the menu buttons lose their keyboard state. The help and
// game-over buttons keep theirs until the next focus key.
void ResetKeyboardFocus(Game& game);

// Every image button and box back to the state the mouse gives it, and no
// slider framed by the keyboard.
void ReleaseKeyboardStates(Game& game);

}  // namespace glyphora
