#pragma once
// TEMPORARY, until the screen state machine with its key routing exists: the
// game starts a run at once and a few keys make it playable by hand. Remove
// this file with its two calls (StartUp and the key-down of the window
// procedure) when the routing arrives.

namespace glyphora {

struct Game;

// Starts a standard run right after start-up. The settings are not read at
// start-up yet, so the difficulty is the default one, Medium.
void StartTemporaryRun(Game& game);

// After HandlePlayKey: F1 pauses and resumes, Enter detonates a TNT charge,
// F3 starts a new run, Esc quits.
void TemporaryPlayKeys(Game& game, int key);

}  // namespace glyphora
