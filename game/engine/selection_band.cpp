#include "game/engine/selection_band.h"

#include "game/engine/sheet_regions.h"

namespace glyphora {

void DrawSelectionArrow(Renderer& renderer, Resources& sheets, int x, int y, bool right) {
    constexpr regions::Region arrows = regions::SelectionArrows;
    Sprite& scratch = sheets.scratch;
    scratch = MakeSprite(sheets.design2Sheet, arrows.x, arrows.y, arrows.w, arrows.h);
    DrawSprite(renderer, scratch, float(x), float(y), right ? 1 : 0, 0);
}

void DrawSelectionBand(Renderer& renderer, Resources& sheets, int x, int y, int width) {
    DrawSelectionArrow(renderer, sheets, x, y, false);
    DrawSelectionArrow(renderer, sheets, x + width - kSelectionArrowWidth, y, true);
    FillRect(renderer, {x + kSelectionArrowWidth, y, x + width - kSelectionArrowWidth, y + kSelectionBandHeight},
             kSelectionBandColour);
}

}  // namespace glyphora
