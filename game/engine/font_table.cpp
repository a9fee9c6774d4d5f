#include "game/engine/font_table.h"

#include <iterator>

#include "game/engine/title_font.h"
#include "game/shell/game.h"

namespace glyphora {

static_assert(std::size(kFontTable) == kFontCount, "one table row per FontName");

void MakeAllFonts(Game& game) {
    for (int name = 0; name < kFontCount; ++name)
        MakeFont(game, game.fonts[name], kTitleFace, kFontTable[name].height, kFontTable[name].bold);
}

void DestroyAllFonts(Game& game) {
    for (Font& font : game.fonts) DestroyFont(font);
}

}  // namespace glyphora
