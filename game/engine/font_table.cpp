#include "game/engine/font_table.h"

#include <iterator>

#include "game/engine/title_font.h"

namespace glyphora {

static_assert(std::size(kFontTable) == kFontCount, "one table row per FontName");

namespace {

// The first font of the table made with the same height and weight as name.
int FirstAlike(int name) {
    int first = 0;
    while (kFontTable[first].height != kFontTable[name].height || kFontTable[first].bold != kFontTable[name].bold)
        ++first;
    return first;
}

}  // namespace

// Each distinct height and weight is rasterised once and its atlas made once
// on the device; the names that repeat it share it.
void MakeAllFonts(platform::FontSystem* fontSystem, Renderer& renderer, Font (&fonts)[kFontCount]) {
    for (int name = 0; name < kFontCount; ++name) {
        const int first = FirstAlike(name);
        if (first < name) fonts[name] = fonts[first];
        else MakeFont(fontSystem, renderer, fonts[name], kTitleFace, kFontTable[name].height, kFontTable[name].bold);
    }
}

void DestroyAllFonts(Font (&fonts)[kFontCount]) {
    for (Font& font : fonts) DestroyFont(font);
}

}  // namespace glyphora
