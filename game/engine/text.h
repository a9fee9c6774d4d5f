#pragma once
// Text: fonts opened from a face name at a GDI cell height, each rasterised
// once into a glyph atlas and drawn as quads (no text is rasterised per
// frame), with the DrawText format flags and "\n" line breaks.
#include <memory>
#include <string>
#include <string_view>

#include "game/engine/geometry.h"
#include "game/engine/renderer.h"

namespace glyphora {

// DrawText format flags, passed through unchanged by callers.
enum TextFormat : int {
    DT_LEFT = 0,  // and top
    DT_CENTER = 1,
    DT_RIGHT = 2,
    DT_VCENTER = 4,      // centres the whole block of lines
    DT_CALCRECT = 1024,  // measure only
};

// Where a character's picture lies in the atlas and how it sits on the line:
// the box is drawn offsetX to the right of the pen and offsetY below the
// line's top; the pen then moves on by advance.
struct GlyphBox {
    int atlasX = 0, atlasY = 0, width = 0, height = 0;
    int offsetX = 0, offsetY = 0;
    int advance = 0;
};

// One face at one cell height, rasterised once into a glyph atlas. A font
// whose atlas could not be made measures as an empty text of its height and
// draws nothing.
// A font's atlas on the device. Fonts of the same face, height and weight
// share one (the screens ask for several names of the same size).
struct AtlasTexture {
    std::shared_ptr<platform::Texture> texture;  // null: the font draws nothing
    int width = -1;
    int height = -1;
};

struct Font {
    AtlasTexture atlas;        // white glyphs, coverage in alpha
    GlyphBox glyphs[256];      // by byte (Windows-1252); zero for bytes without a picture
    int lineHeight = 0;        // the GDI cell height: ascent + descent
    bool substituted = false;  // the face asked for was not found; another stands in
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
// height pixels high (GDI's positive height: the cell, ascent + descent),
// weight 700 when bold, and makes its atlas on the device.
void MakeFont(platform::FontSystem* fonts, Renderer& renderer, Font& font, const std::string& face, int height,
              bool bold);
void DestroyFont(Font& font);

// Draws text in rect with the format flags and colour, as DrawText does:
// lines break at "\n" only; DT_CENTER and DT_RIGHT place each line, DT_VCENTER
// centres the whole block of lines in rect; glyphs are cut at rect's edges.
// The colour's alpha applies. With DT_CALCRECT nothing is drawn. Costs one
// quad per visible glyph and allocates nothing.
void DrawFontText(Renderer& renderer, const Font& font, std::string_view text, const Rect& rect, int format,
                  Colour colour);
// The rectangle the text needs (DT_CALCRECT): left and top from rect, right
// at the widest line's end, bottom below the last line. The format flags do
// not move it.
Rect MeasureText(const Font& font, std::string_view text, const Rect& rect, int format);

}  // namespace glyphora
