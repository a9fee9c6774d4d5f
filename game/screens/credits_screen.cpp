#include "game/screens/credits_screen.h"

#include "game/shell/game.h"

namespace glyphora {

// The pages themselves are not in the game yet; the buttons stand where the
// widget layout put their row.
void DrawCreditsScreen(Game& game) {
    Widgets& w = game.widgets;
    w.imageButtons[BackButton].x = w.layout.CreditsBackX;
    DrawImageButton(game, w.imageButtons[DonateUsdButton]);
    DrawImageButton(game, w.imageButtons[DonateEurButton]);
    DrawImageButton(game, w.imageButtons[BackButton]);
}

}  // namespace glyphora
