// The main menu: the row of seven buttons, the preview picture of the button
// pointed at or selected, and now and then a character peeking in from the
// right edge.
#include "game/engine/sheet_drawing.h"
#include "game/screens/menu_buttons.h"
#include "game/screens/menu_pictures.h"
#include "game/screens/menu_screens.h"
#include "game/screens/peek.h"
#include "game/shell/game.h"
#include "game/shell/game_clock.h"

namespace glyphora {
namespace {

constexpr int kPreviewX = 210, kPreviewY = 70;

void DrawMenuButtons(Game& game) {
    PlaceScreenButtons(game, ScreenKind::MainMenu);
    for (int i = 0; i < kMainMenuButtons; ++i) DrawButton(game, ImageButtonName(PlayButton + i));
}

void DrawPeek(Game& game) {
    const std::optional<int> x = StepPeek(game.menus, GameTime(game), game.random);
    if (!x) return;
    const RegionFrame picture = PeekPicture(game.menus.peekPicture);
    DrawRegion(game.renderer, game.resources, *picture.region, float(*x), kPeekY, picture.u, picture.v);
}

}  // namespace

void DrawMainMenu(Game& game) {
    DrawMenuButtons(game);
    DrawRegion(game.renderer, game.resources, MenuPreview(MainMenuButtonUnderCursor(game), game.screen.focus), kPreviewX, kPreviewY);
    DrawPeek(game);
}

}  // namespace glyphora
