#pragma once
// The end of a run.

namespace glyphora {

struct Game;

// Ends the run when the lives are gone (or the player quits it): resumes the
// clock, shows the game-over screen, plays the game-over sound and stops the
// music. The run's state stays for the game-over screen to read.
void EndGame(Game& game);

}  // namespace glyphora
