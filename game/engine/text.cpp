#include "game/engine/text.h"

namespace glyphora {

// Text arrives with the font layer; until then fonts are never ready and
// draw nothing.
void MakeFont(Game&, Font& font, const std::string&, int height, bool) {
    font = Font{};
    font.lineHeight = height;
}

void DestroyFont(Font& font) { font = Font{}; }

void DrawFontText(Game&, Font&, std::string_view, const Rect&, int, Colour) {}

Rect MeasureText(const Font& font, std::string_view, const Rect& rect, int) {
    return {rect.left, rect.top, rect.left, rect.top + font.lineHeight};
}

}  // namespace glyphora
