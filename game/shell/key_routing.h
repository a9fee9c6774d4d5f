#pragma once
// The global keys and the keyboard focus keys, after the play field's own
// key handler has seen each key-down:
//   Tab, arrows, Enter, Space   the keyboard focus (keyboard_focus.h), or
//          what the current screen does with them
//   Esc    what the current screen does with it (its row of the table)
//   F1     pauses or resumes (screens that can pause only)
//   F3     a new game, or what the current screen does with it
//   F4     answers the new-game question
//   F5/F6  music volume down / up, F7/F8 sound volume down / up (0-10);
//          during a pause the pause screen shows the volumes for a while
//   F11    the window's next scale (window_scale.h)
//   F12    pauses and minimises the window
// Keys without an action on the current screen are ignored.

namespace glyphora {

struct Game;

void RouteKey(Game& game, int key);

}  // namespace glyphora
