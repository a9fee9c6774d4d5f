#include "game/engine/selection_band.h"

#include "game/engine/sheet_regions.h"
#include "game/shell/game.h"

namespace glyphora {

void DrawSelectionArrow(Game& game, int x, int y, bool right) {
    constexpr regions::Region arrows = regions::SelectionArrows;
    Sprite& scratch = game.resources.scratch;
    scratch = MakeSprite(game.resources.design2Sheet, arrows.x, arrows.y, arrows.w, arrows.h);
    DrawSprite(game.renderer, scratch, float(x), float(y), right ? 1 : 0, 0);
}

void DrawSelectionBand(Game& game, int x, int y, int width) {
    DrawSelectionArrow(game, x, y, false);
    DrawSelectionArrow(game, x + width - kSelectionArrowWidth, y, true);
    FillRect(game.renderer, {x + kSelectionArrowWidth, y, x + width - kSelectionArrowWidth, y + kSelectionBandHeight},
             kSelectionBandColour);
}

}  // namespace glyphora
