#include "game/screens/splash_screen.h"

#include "game/screens/window_border.h"
#include "game/shell/game.h"

namespace glyphora {

void DrawSplashScreen(Game& game) {
    Resources& r = game.resources;
    ClearScreenRgb(game.renderer, 255, 255, 255);
    DrawWindowBorder(game, 0xFF000000);
    DrawSprite(game.renderer, r.splashLogo, float((kWindowWidth - r.splashLogo.srcW) / 2),
               float((kWindowHeight - r.splashLogo.srcH) / 2 - 20));
    const int rowLeft = (kWindowWidth - kLoadingSteps * r.progressSquare.srcW) / 2;
    for (int i = 0; i < r.loadingProgress && i < kLoadingSteps; ++i)
        DrawSprite(game.renderer, r.progressSquare, float(rowLeft + r.progressSquare.srcW * i), float(kWindowHeight / 2 + 10));
}

}  // namespace glyphora
