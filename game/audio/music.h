#pragma once
// The music streams as the rest of the game sees them.

namespace glyphora {

struct Game;

// Pauses both music streams (the game was paused).
void PauseMusic(Game& game);
// Resumes the current music stream; the previous, fading one stays paused.
void ResumeMusic(Game& game);

}  // namespace glyphora
