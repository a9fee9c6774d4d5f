#include "game/engine/font_table.h"

#include <iterator>

#include "game/engine/title_font.h"

namespace glyphora {

static_assert(std::size(kFontTable) == kFontCount, "one table row per FontName");

void MakeAllFonts(platform::FontSystem* fontSystem, Renderer& renderer, Font (&fonts)[kFontCount]) {
    for (int name = 0; name < kFontCount; ++name)
        MakeFont(fontSystem, renderer, fonts[name], kTitleFace, kFontTable[name].height, kFontTable[name].bold);
}

void DestroyAllFonts(Font (&fonts)[kFontCount]) {
    for (Font& font : fonts) DestroyFont(font);
}

}  // namespace glyphora
