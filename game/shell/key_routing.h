#pragma once
// The global keys and the keyboard focus keys, after the play field's own
// key handler has seen each key-down:
//   Tab, arrows, Enter   the keyboard focus (keyboard_focus.h)
//   Esc    on Play: asks whether to quit (pausing), a second Esc ends the
//          run; on MainMenu and Intro nothing; elsewhere the main menu
//   F1     pauses or resumes (Play and Credits only)
//   F3     a new game; on Play with the F3 question on, asks first (pausing)
//   F4     answers the new-game question
//   F5/F6  music volume down / up, F7/F8 sound volume down / up (0-10);
//          during a pause the pause screen shows the volumes for a while
//   F12    pauses and minimises the window
// Keys without an action on the current screen are ignored.

namespace glyphora {

struct Game;

void RouteKey(Game& game, int key);

}  // namespace glyphora
