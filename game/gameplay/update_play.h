#pragma once
// The play field's frame: spawning, motion, items leaving the field, the
// blast, the end of the run and the timers of the run.

namespace glyphora {

struct Game;

inline constexpr int kSpawnTestMs = 200;
inline constexpr int kCursorHideMs = 4000;

// Called every frame while the play screen is current; does nothing while
// the game is paused.
void UpdatePlay(Game& game);

}  // namespace glyphora
