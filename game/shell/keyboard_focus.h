#pragma once
// The keyboard focus of the menu screens: the arrow keys and Tab move it over
// the current screen's buttons in a fixed order, Enter runs the focused
// button's action, and any movement of the mouse clears it.
//
// Focus orders (index: button):
//   MainMenu       0 Play, 1 FreeGame, 2 HighScores, 3 Help, 4 Settings, 5 Credits, 6 Quit
//   HighScores     0 LocalScores, 1 Groups, 2 OnlineScores, 3 Back
//   FreeGameSetup  0 StartFreeGame, 1 Back
//   GameOver       0 PlayAgain, 1 Back (only while no name is to be entered)
//   Help           0 HelpPage1, 1 HelpPage2, 2 Back
//   Settings       0 Back
//   Credits        0 Back
#include <span>

#include "game/shell/widget_set.h"

namespace glyphora {

struct Game;

// The current screen's focus order; empty where the keyboard focus has no buttons.
std::span<const ImageButtonName> FocusOrder(const Game& game);

// key is Left, Up, Right or Down (Tab arrives as Right). Left and Right move
// the focus to the previous or next button, wrapping at either end; with no
// focus, Left takes the last button and Right the first, except on Help,
// where the first key focuses the button of the page shown. On HighScores,
// Up and Down raise and lower the difficulty of the table shown. As soon as
// a button has the focus, the screen's buttons show their keyboard state,
// the focused one highlighted.
void MoveFocus(Game& game, int key);

// Enter: on Play a TNT blast (not while paused); on GameOver while a name is
// to be entered, the name is confirmed whatever has the focus; on the menu
// screens the focused button clicks and runs its action. Nothing otherwise.
void ActivateFocus(Game& game);

// On every mouse movement and on entering a screen (but the intro): the
// cursor shows again and its idle time starts anew, the settings screen's
// difficulty hint goes once the cursor has left it, and the focus is
// cleared; the menu buttons lose their keyboard state. The help and
// game-over buttons keep theirs until the next focus key.
void ResetKeyboardFocus(Game& game);

// Every image button back to the state the mouse gives it.
void ReleaseKeyboardStates(Game& game);

}  // namespace glyphora
