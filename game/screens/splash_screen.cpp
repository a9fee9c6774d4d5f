#include "game/screens/splash_screen.h"

#include "game/screens/screen_rows.h"
#include "game/shell/button_places.h"
#include "game/shell/game.h"
#include "game/shell/keyboard_focus.h"
#include "game/shell/screen_actions.h"
#include "game/shell/screen_buttons.h"
#include "game/shell/screens.h"

namespace glyphora {

void DrawSplashScreen(Game& game) {
    Resources& r = game.resources;
    ClearScreenRgb(game.renderer, 255, 255, 255);
    DrawWindowBorder(game, 0xFF000000);
    DrawSprite(game.renderer, r.splashLogo, float((kWindowWidth - r.splashLogo.srcW) / 2),
               float((kWindowHeight - r.splashLogo.srcH) / 2 - 20));
    const int rowLeft = (kWindowWidth - kLoadingSteps * r.progressSquare.srcW) / 2;
    for (int i = 0; i < r.loadingProgress && i < kLoadingSteps; ++i)
        DrawSprite(game.renderer, r.progressSquare, float(rowLeft + r.progressSquare.srcW * i),
                   float(kWindowHeight / 2 + 10));
}

}  // namespace glyphora

namespace glyphora {

extern const ScreenDefinition kSplashScreen{
    .kind = ScreenKind::Splash,
    .draw = DrawSplashScreen,
};

}  // namespace glyphora
