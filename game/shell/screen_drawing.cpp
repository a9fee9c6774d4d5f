#include "game/engine/sheet_drawing.h"
#include "game/shell/game.h"
#include "game/shell/screen_buttons.h"
#include "game/shell/screens.h"

namespace glyphora {
namespace {

constexpr Colour kBorder = 0xFF000000;
constexpr int kHeaderY = 30;
constexpr int kCornerX = 20, kCornerY = 5;
constexpr int kFooterY = 360;
constexpr Rect kFooterFill{1, 380, 701, 449};
constexpr Colour kFooterColour = 0xFFE5E5E5;

void DrawStrip(Game& game, const MenuFrame& frame) {
    const regions::Region* hovered = frame.hoverTab ? frame.hoverTab(game) : nullptr;
    const regions::Region& cap = *frame.cap;
    const regions::Region& tab = hovered ? *hovered : *frame.tab;
    DrawRegion(game.renderer, game.resources, cap, 1, kHeaderY);
    DrawRegion(game.renderer, game.resources, tab, float(1 + cap.w), kHeaderY);
    for (int x = 1 + cap.w + tab.w; x < kWindowWidth; x += regions::HeaderFill.w)
        DrawRegion(game.renderer, game.resources, regions::HeaderFill, float(x), kHeaderY);
    if (frame.corner) DrawRegion(game.renderer, game.resources, *frame.corner, kCornerX, kCornerY);
}

// The footer band under the screen's content, behind the button row.
void DrawFooterBand(Game& game) {
    DrawRegion(game.renderer, game.resources, regions::FooterBand, 0, kFooterY);
    FillRect(game.renderer, kFooterFill, kFooterColour);
}

}  // namespace

void DrawHeaderStrip(Game& game) {
    const MenuFrame& frame = CurrentScreen(game).frame;
    if (frame.cap) DrawStrip(game, frame);
}

void DrawWindowBorder(Game& game, Colour colour) {
    FillRect(game.renderer, {0, 0, 1, kWindowHeight}, colour);
    FillRect(game.renderer, {kWindowWidth - 1, 0, kWindowWidth, kWindowHeight}, colour);
    FillRect(game.renderer, {0, 0, kWindowWidth, 1}, colour);
    FillRect(game.renderer, {0, kWindowHeight - 1, kWindowWidth, kWindowHeight}, colour);
}

void DrawScreen(Game& game) {
    const ScreenDefinition& screen = CurrentScreen(game);
    ClearScreen(game.renderer, 0xFFFFFFFF);
    if (screen.frame.cap) {
        DrawStrip(game, screen.frame);
        DrawFooterBand(game);
    }
    if (screen.draw) screen.draw(game);
    if (screen.framedByBorder) DrawWindowBorder(game, kBorder);
}

}  // namespace glyphora
