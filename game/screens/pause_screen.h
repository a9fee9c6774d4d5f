#pragma once
// The pause screen, drawn in place of the play field while the game is
// paused so that the letters cannot be read during a pause.
#include "game/engine/geometry.h"
#include "game/shell/shell_state.h"

namespace glyphora {

struct Game;

inline constexpr int kVolumeOverlayShowMs = 2200;  // at full colour
inline constexpr int kVolumeOverlayFadeMs = 300;   // then fading into the background

// The text colour of the pause screen on sub-level s (0-4).
Colour PauseTextColour(int subLevel);
// "Paused." and how to go on; the reason adds the key that answers its question.
const char* PauseText(PauseReason reason);

// The sub-level's background, the window border, the pause text centred in
// the window, and for a while after a volume key the two volumes below it.
void DrawPauseScreen(Game& game);

}  // namespace glyphora
