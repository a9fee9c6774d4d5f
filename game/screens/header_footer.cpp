// The decoration shared by the menu screens: the header strip across the top
// (cap, title tab, fill, corner picture) and the footer band under the
// screen's content, behind the button row.
#include "game/screens/menu_buttons.h"
#include "game/screens/menu_pictures.h"
#include "game/screens/menu_screens.h"
#include "game/engine/sheet_drawing.h"
#include "game/shell/game.h"

namespace glyphora {
namespace {

constexpr int kHeaderY = 30;
constexpr int kCornerX = 20, kCornerY = 5;
constexpr int kFooterY = 360;
constexpr Rect kFooterFill{1, 380, 701, 449};
constexpr Colour kFooterColour = 0xFFE5E5E5;

}  // namespace

void DrawHeaderStrip(Game& game) {
    const ScreenKind kind = game.screen.current;
    const int hovered = kind == ScreenKind::MainMenu ? MainMenuButtonUnderCursor(game) : kNoMenuButton;
    const regions::Region& cap = HeaderCap(kind);
    const regions::Region& tab = HeaderTab(kind, hovered);
    DrawRegion(game.renderer, game.resources, cap, 1, kHeaderY);
    DrawRegion(game.renderer, game.resources, tab, float(1 + cap.w), kHeaderY);
    for (int x = 1 + cap.w + tab.w; x < kWindowWidth; x += regions::HeaderFill.w)
        DrawRegion(game.renderer, game.resources, regions::HeaderFill, float(x), kHeaderY);
    if (const regions::Region* corner = CornerPicture(kind)) DrawRegion(game.renderer, game.resources, *corner, kCornerX, kCornerY);
}

void DrawFooterBand(Game& game) {
    DrawRegion(game.renderer, game.resources, regions::FooterBand, 0, kFooterY);
    FillRect(game.renderer, kFooterFill, kFooterColour);
}

}  // namespace glyphora
