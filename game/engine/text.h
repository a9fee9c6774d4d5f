#pragma once
// Text: fonts opened from a face name at a GDI cell height, each rasterised
// once into a glyph atlas and drawn as quads (no text is rasterised per
// frame), with the DrawText format flags and "\n" line breaks.
#include <string>
#include <string_view>

#include "game/engine/geometry.h"
#include "game/engine/renderer.h"

namespace glyphora {

struct Game;

// DrawText format flags, passed through unchanged by callers.
enum TextFormat : int {
    DT_LEFT = 0,          // and top
    DT_CENTER = 1,
    DT_RIGHT = 2,
    DT_VCENTER = 4,       // centres the whole block of lines
    DT_CALCRECT = 1024,   // measure only
};

struct GlyphBox {
    int atlasX = 0, atlasY = 0, width = 0, height = 0, advance = 0;
};

// One face at one cell height. A font whose atlas could not be made draws
// nothing.
struct Font {
    Texture atlas;
    Sprite glyphSprite;  // re-pointed at each glyph
    GlyphBox glyphs[256];
    int lineHeight = 0;  // the GDI cell height: ascent + descent
    bool ready = false;
};

// The fonts of the game, by the names the screens use, in creation order.
enum FontName {
    HudFont30,
    HudFont36a,
    HudFont36b,
    HudFont28,
    HudFont40,
    GameOverFont28a,
    GameOverFont28b,
    FieldFont26,
    NameEntryFont36,
    GameOverFont22,
    ScoresFont26,
    MessageFont26,
    NoteFont26,
    MenuFont26,
    HelpFont22,
    kFontCount,
};

// The program's standard grey text colour.
inline constexpr Colour TextGrey = 0xFF999999;

// Opens face (a family name, substituted when unknown) so that a line is
// height pixels high, weight 700 when bold.
void MakeFont(Game& game, Font& font, const std::string& face, int height, bool bold);
void DestroyFont(Font& font);

// Draws text in rect with the format flags and colour, clipped to rect.
void DrawFontText(Game& game, Font& font, std::string_view text, const Rect& rect, int format, Colour colour);
// The rectangle the text needs when drawn in rect with format: left and top
// from rect, right and bottom as the text reaches (DT_CALCRECT).
Rect MeasureText(const Font& font, std::string_view text, const Rect& rect, int format);

}  // namespace glyphora
