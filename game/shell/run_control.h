#pragma once
// The shell's side of a run: it starts runs, runs their frames and keys, ends
// them and takes the name for the table, and answers what the rules report
// (sounds, music, the screens, the cursor).
#include "game/gameplay/play_model.h"

namespace glyphora {

struct Game;

inline constexpr int kCursorHideMs = 4000;

// The game's run as the rules see it.
PlayModel PlayModelOf(Game& game);

// Starts a run (standard or free, by run.freeGame) with the settings' values
// and shows the play screen; a pause in force ends.
void NewGame(Game& game);
// The free game the free-game screen describes; nothing while no box is
// ticked, since nothing would fall and the run could never end.
void StartFreeGame(Game& game);
bool FreeGameHasCharacters(const Game& game);

// Every frame while the play screen is current: the run goes on unless
// paused, and a cursor left still for a while hides.
void UpdatePlay(Game& game);
// Every key-down on every screen, before the key routing: the cheat matchers
// see it everywhere, the run only on the play screen while not paused.
void HandlePlayKey(Game& game, int key);
// Every typed character, after the text fields: the cheat codes' track and
// level choices take their digits.
void HandleCheatCharacter(Game& game, char c);
// Enter during play: a blast, when a charge is in hand.
void DetonateKey(Game& game);
// Puts the run on sub-level k (0-4) of its stage at once, without a new track.
void EnterSubLevel(Game& game, int k);
// One new item at the top of the field now.
void SpawnItemNow(Game& game);

// Ends the run (the lives are gone, or the player quit): notes how it ended,
// resumes the clock, shows the game-over screen, plays the game-over sound
// and stops the music. The run's state stays for the game-over screen.
void EndGame(Game& game);
// The OK button and Enter while a name is to be entered: the entry goes into
// the table, the settings are saved, the high-score screen shows the table
// of the run's difficulty and the table is saved. An empty name first
// becomes "-- anonymous --" and waits for a second confirmation.
void ConfirmName(Game& game);

// Plays, starts and switches what the events of an operation call for.
void ApplyPlayEvents(Game& game, const PlayEvents& events);

}  // namespace glyphora
