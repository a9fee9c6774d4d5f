#pragma once
// The credits screen: its buttons (Back and the two donation pages). The
// pages of the credits play above them.

namespace glyphora {

struct Game;

void DrawCreditsScreen(Game& game);

}  // namespace glyphora
