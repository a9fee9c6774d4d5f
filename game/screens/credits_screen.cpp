#include "game/screens/credits_screen.h"

#include "game/screens/screen_layout.h"
#include "game/shell/game.h"

namespace glyphora {

// The pages themselves are not in the game yet; the buttons stand in their
// row.
void DrawCreditsScreen(Game& game) {
    PlaceScreenButtons(game, ScreenKind::Credits);
    for (ImageButtonName name : {DonateUsdButton, DonateEurButton, BackButton})
        DrawImageButton(game.renderer, game.pointer, game.widgets.imageButtons[name]);
}

}  // namespace glyphora
