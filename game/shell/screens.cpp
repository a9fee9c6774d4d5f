#include "game/shell/screens.h"

#include "game/screens/splash_screen.h"
#include "game/shell/game.h"

namespace glyphora {

void DrawScreen(Game& game) {
    ClearScreen(game, 0xFFFFFFFF);
    if (game.screen.current == ScreenKind::Splash) DrawSplashScreen(game);
}

}  // namespace glyphora
