#pragma once
// The splash shown while resources load: the logo and a row of five progress
// squares, as many drawn as loading steps are done.

namespace glyphora {

struct Game;

void DrawSplashScreen(Game& game);

}  // namespace glyphora
