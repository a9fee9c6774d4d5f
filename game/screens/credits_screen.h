#pragma once
// The credits screen: its buttons (Back and the two donation pages) with the
// six pages of the credits playing above them, strictly one after another,
// one page a frame, each from the frame after the one before finished. After
// a minute of game clock in the visit the finale picture joins them; after
// the last page only the buttons and the finale stay.

namespace glyphora {

struct Game;

inline constexpr int kCreditsFinaleAfterMs = 60000;
inline constexpr float kCreditsFinaleX = (700 - 147) / 2;
inline constexpr float kCreditsFinaleY = 150;

void DrawCreditsScreen(Game& game);

}  // namespace glyphora
