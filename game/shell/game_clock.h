#pragma once
// The game clock: the system tick minus the time spent paused. Every timer of
// the game stores GameTime values and compares signed differences of them.
#include <cstdint>

#include "game/shell/game.h"

namespace glyphora {

// later - earlier for two GameTime values (or two ticks), as the signed
// difference of the wrapping clock: correct across the wrap, and free of
// signed overflow.
inline int Elapsed(int later, int earlier) {
    return static_cast<int>(static_cast<std::uint32_t>(later) - static_cast<std::uint32_t>(earlier));
}
inline int Elapsed(std::uint32_t later, std::uint32_t earlier) { return static_cast<int>(later - earlier); }

// Milliseconds; stands still while the game is paused and wraps with the tick.
int GameTime(const Game& game);

// Pauses or resumes the clock. Only the Play and Credits screens can be paused;
// the reason is ignored when resuming.
void SetPaused(Game& game, bool paused, PauseReason reason = PauseReason::Key);

}  // namespace glyphora
