// The characters of the game: backing shapes with their colour styles per
// sub-level, the glyphs drawn over them, and whole letter tiles for the
// menu pictures. All geometry is given for the 65 × 65 cell of the sheets.
#pragma once

#include <cairo.h>

#include "tools/artgen/colour.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/studio.h"

namespace glyphora::artgen {

inline constexpr double kCell = 65;
inline constexpr int kShapeCount = 3;  // 0 round, 1 square, 2 gem (drawn with the glyph 5 px lower)
inline constexpr int kStyleCount = 15;
inline constexpr int kSubLevelCount = 5;
inline constexpr int kTnt = 14;

// Background colour of a sub-level, as the play screen clears to it.
Rgb SubLevelBackground(int subLevel);
// Fill colour of a style (0–13) on a sub-level.
Rgb StyleColour(int style, int subLevel);

// Outline of a shape in its cell, scaled about the cell centre.
PathFn ShapePath(int shape, double scale = 1);
// Centre at which the glyph shows on a shape (the gem shows it lower).
double GlyphCentreY(int shape);

// The backing shape of style `style` on `subLevel`, filling its 65 × 65 cell at the origin.
void DrawShape(cairo_t* cr, int shape, int style, int subLevel);
// The glyph for a character, light with a dark edge, centred in its cell at
// (32.5, 32.5) and clear of the cell's bottom five rows.
void DrawGlyph(cairo_t* cr, const Studio& studio, char character);

// A whole tile (shape and glyph, as the play screen composes them) with its
// cell centred at (cx, cy), scaled and turned by `angle` degrees.
struct Tile {
    int shape = 0, style = 0, subLevel = 0;
    char character = 'A';  // ' ' for none
    double scale = 1, angle = 0;
};
void DrawTile(cairo_t* cr, const Studio& studio, const Tile& tile, double cx, double cy);

}  // namespace glyphora::artgen
