#pragma once
// Which screen is shown: switching between screens with what entering and
// leaving each one does, and the drawing of the current one.
#include "game/shell/screen_state.h"

namespace glyphora {

struct Game;

// Makes kind the current screen at once. On the way:
//   - the keyboard focus is cleared (but for the intro) and no button keeps
//     a keyboard state; the main menu's peek starts afresh;
//   - a paused screen that is left resumes its clock first;
//   - GameOver: the name field takes the default name and closes until it
//     opens again; leaving it for anything but the high scores drops a name
//     not yet entered; Credits: the pages start afresh with their track, which
//     stops when they are left; leaving Play stops the music;
//   - the free-game check boxes take clicks only on FreeGameSetup; the
//     settings screen's check box and default-name field only on Settings,
//     and leaving Settings saves the settings and stops the volume preview;
//   - MainMenu: the peek timing starts and the next run is a standard one;
//     Help: the first page; HighScores: the local table, the group fields
//     filled from the stored group names, which take them back on leaving;
//     leaving it also drops the pending rank;
//   - the new screen's buttons are placed and enabled, every other disabled.
void SwitchScreen(Game& game, ScreenKind kind);

// Draws the current screen on white: the menu screens between their header
// strip and footer band, every screen but Play framed with a black border
// (Play draws its own, with a yellow one over it while invulnerable).
void DrawScreen(Game& game);

}  // namespace glyphora
