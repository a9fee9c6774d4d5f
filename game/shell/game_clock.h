#pragma once
// The game clock: the system tick minus the time spent paused. Every timer of
// the game stores GameTime values and compares signed differences of them.
#include <cstdint>

#include "common/elapsed.h"
#include "game/shell/game.h"

namespace glyphora {

// Milliseconds; stands still while the game is paused and wraps with the tick.
int GameTime(const Game& game);

// Pauses or resumes the clock. Only screens that can pause are paused (their
// row of the screen table says so); the reason is ignored when resuming.
void SetPaused(Game& game, bool paused, PauseReason reason = PauseReason::Key);
// Pauses with the question, or turns a pause for another reason into it.
void AskQuestion(Game& game, PauseReason question);
bool PausedFor(const Game& game, PauseReason reason);

}  // namespace glyphora
