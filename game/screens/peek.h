#pragma once
// The main menu's peeking picture: every so often one of six characters
// slides in from the right edge, rests there and slides out again.
#include <optional>

#include "common/random.h"

#include "game/shell/screen_state.h"

namespace glyphora {

inline constexpr int kPeekPictures = 6;
inline constexpr int kPeekWidth = 170;
inline constexpr int kPeekY = 135;
inline constexpr int kPeekPause = 5000;       // ms of quiet after a peek (or a screen change)
inline constexpr int kPeekRetry = 1000;       // ms between two tries to start one
inline constexpr int kPeekLeaveAfter = 3000;  // ms after its start at which it leaves
inline constexpr int kPeekSpeed = 200;        // pixels per second, in and out

// Advances the peek to now (game clock): may start one (a new picture, never
// the previous one), moves it, and ends it once it has left the window.
// Returns the x at which the picture is drawn this frame, or nothing while
// none is under way. Draws from random when a peek starts.
std::optional<int> StepPeek(MenuState& menus, int now, Random& random);

}  // namespace glyphora
