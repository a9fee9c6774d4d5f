#pragma once
// The end of a run.

namespace glyphora {

struct Game;

// Ends the run when the lives are gone (or the player quits it): notes the
// score, the survival time of a free game and the place the score earns in
// the local table of the run's difficulty (none for a free game or after a
// cheat), resumes the clock, shows the game-over screen, plays the game-over
// sound and stops the music. The run's state stays for the game-over screen.
void EndGame(Game& game);

}  // namespace glyphora
