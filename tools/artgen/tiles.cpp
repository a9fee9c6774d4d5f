#include "tools/artgen/tiles.h"

#include <cmath>
#include <string>

#include "tools/artgen/cairo_handles.h"

namespace glyphora::artgen {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kGemDrop = 5;  // the glyph over shape 2 is read 5 rows higher
constexpr double kGlyphCapHeight = 37;
constexpr double kGlyphEdge = 2.6;
constexpr double kTntScale = 0.82;

// Fourteen colour styles per sub-level: calm grey-greens on white, warm darks
// and cool contrasts on yellow and orange, light tones on dark red, greys on black.
constexpr std::uint32_t kStyles[kSubLevelCount][kTnt] = {
    {0x8E9A7A, 0x6F8FA3, 0xA0A28E, 0x7BA39A, 0xB39B7A, 0x9A8FB0, 0x88A66B, 0xC29A8E, 0x6E8C7C, 0xA3A36B, 0x8A9BB8,
     0xB0A890, 0x7C8A99, 0x9DB08A},
    {0xC98B00, 0x8D6E06, 0x816361, 0x5E8C6A, 0x4F7FA0, 0xB5651D, 0x9C7A3C, 0x6F7F3A, 0xA85C5C, 0x7A6AA0, 0x3F8C8C,
     0xB68B09, 0x8A7A60, 0xD07A2A},
    {0x653600, 0x914C03, 0xC45A10, 0xFFD027, 0xF3E2BE, 0x7A3E2E, 0xB03A2E, 0x4A6A7A, 0xE8B04A, 0x8C5A3C, 0x5C7A3A,
     0xD9C08A, 0xA0522D, 0x6A4A6A},
    {0xFF9900, 0xFFC9A8, 0xE8E0D0, 0xB8D0B0, 0xF0B050, 0xFF6F61, 0xD9A0A0, 0xFFE08A, 0x9A9AA0, 0xE07A3A, 0xF5D0C0,
     0xCC7A7A, 0xB8B0A0, 0xFFB347},
    {0x999999, 0x8C8C8C, 0x6E6E74, 0xB0B0B0, 0x7A8A99, 0x99887A, 0x8A9A7A, 0xA07A7A, 0x5F7F8F, 0x9A9A7A, 0x7A7A9A,
     0xC0C0C0, 0x8C7A6A, 0x6A8A8A},
};

constexpr std::uint32_t kBackgrounds[kSubLevelCount] = {0xFFFFFF, 0xFFD027, 0xF78E1D, 0xAC0000, 0x000000};

void DrawFuse(cairo_t* cr, double fromX, double fromY, double toX, double toY) {
    cairo_new_path(cr);
    cairo_move_to(cr, fromX, fromY);
    cairo_curve_to(cr, fromX + 1, fromY - 5, toX - 4, toY + 3, toX, toY);
    cairo_set_line_width(cr, 2.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColour(cr, Hex(0x1E1E1E));
    cairo_stroke(cr);
    Fill(cr, Polygon(toX, toY, 4.4, 8, 22.5, 0.6), Hex(0xFF9900));
    Fill(cr, Circle(toX, toY, 2.1), Hex(0xFFF3A0));
}

// Bold diagonal hazard stripes across the lower part of a TNT body.
void DrawHazardStripes(cairo_t* cr, const PathFn& body) {
    SavedState saved(cr);
    cairo_new_path(cr);
    body(cr);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, 41, kCell, 24);
    cairo_clip(cr);
    SetColour(cr, Hex(0x161616));
    for (int i = -3; i < 8; ++i) {
        const double x = i * 10.0;
        cairo_move_to(cr, x, 65);
        cairo_line_to(cr, x + 5.5, 65);
        cairo_line_to(cr, x + 5.5 + 24, 41);
        cairo_line_to(cr, x + 24, 41);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
}

// Where the fuse leaves each TNT shape, and where its spark burns; all inside
// the cell's 2-pixel clear margin.
struct FusePlace {
    double fromX, fromY, toX, toY;
};
constexpr FusePlace kFuses[kShapeCount] = {{49.5, 16, 56.5, 7.5}, {50, 13, 56.5, 6.5}, {44, 20, 55, 9}};

// A pale rim outside the black outline keeps the red body apart from every
// field, the red one included.
void DrawTntShape(cairo_t* cr, int shape) {
    const PathFn body = ShapePath(shape, kTntScale);
    const FusePlace& fuse = kFuses[shape];
    Stroke(cr, body, Hex(0xFFF1C8), 8);
    DrawFuse(cr, fuse.fromX, fuse.fromY, fuse.toX, fuse.toY);
    FillShaded(cr, body, ShadeOf(tone::HazardRed, 0.3, 0.3));
    DrawHazardStripes(cr, body);
    Stroke(cr, body, Hex(0x141414), 3);
}

}  // namespace

Rgb SubLevelBackground(int subLevel) { return Hex(kBackgrounds[subLevel]); }
Rgb StyleColour(int style, int subLevel) { return Hex(kStyles[subLevel][style]); }

double GlyphCentreY(int shape) { return kCell / 2 + (shape == 2 ? kGemDrop : 0); }

PathFn ShapePath(int shape, double scale) {
    const double c = kCell / 2;
    if (shape == 0) return Circle(c, c, 29.5 * scale);
    if (shape == 1) {
        const double side = 55 * scale;
        return RoundedRect(c - side / 2, c - side / 2, side, side, 11 * scale);
    }
    return Polygon(c, c + kGemDrop, 30.2 * scale, 5, 0, 6 * scale);
}

void DrawShape(cairo_t* cr, int shape, int style, int subLevel) {
    if (style == kTnt) {
        DrawTntShape(cr, shape);
        return;
    }
    const Rgb base = StyleColour(style, subLevel);
    const PathFn body = ShapePath(shape);
    Shading shading = ShadeOf(base, 0.3, 0.22);
    shading.highlightRim = 3;
    shading.shadowRim = 4;
    FillShaded(cr, body, shading);
    Stroke(cr, body, Darker(base, 0.5), 2);
}

namespace {

// Glyphs that read as another one when upside down carry a bar below them,
// and the zero is slashed so that it never passes for an O.
bool Underlined(char c) { return c == '6' || c == '9' || c == 'M' || c == 'W'; }

void ExtraMarkPath(cairo_t* cr, char character, double centreX, double capTop, double baseline) {
    if (Underlined(character)) RoundedRectPath(cr, centreX - 9, baseline + 3, 18, 3.6, 1.8);
    if (character == '0') {
        const double half = 1.6, bottomX = centreX - 8, topX = centreX + 8;
        cairo_move_to(cr, bottomX - half, baseline + 2);
        cairo_line_to(cr, bottomX + half, baseline + 2);
        cairo_line_to(cr, topX + half, capTop - 3);
        cairo_line_to(cr, topX - half, capTop - 3);
        cairo_close_path(cr);
    }
}

void GlyphPath(cairo_t* cr, const std::string& text, double x, double baseline) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, text.c_str());
}

}  // namespace

void DrawGlyph(cairo_t* cr, const Studio& studio, char character) {
    const std::string text(1, character);
    SavedState saved(cr);
    UseFont(cr, studio.fonts().bold, 1);
    UseFont(cr, studio.fonts().bold, kGlyphCapHeight / CapHeight(cr));
    const InkBox ink = MeasureInk(cr, text);
    const double x = kCell / 2 - ink.left - ink.width / 2;
    const double lift = Underlined(character) ? 4.4 : 0;
    const double baseline = kCell / 2 + kGlyphCapHeight / 2 - lift;
    const double capTop = baseline - kGlyphCapHeight;
    const auto marks = [&](cairo_t* c, double dy) {
        cairo_new_path(c);
        ExtraMarkPath(c, character, kCell / 2, capTop + dy, baseline + dy);
    };
    cairo_set_line_width(cr, kGlyphEdge * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // A soft drop shadow, then the dark edge, then the light face.
    SetColour(cr, Hex(0x000000), 0.3);
    GlyphPath(cr, text, x, baseline + 1.6);
    ExtraMarkPath(cr, character, kCell / 2, capTop + 1.6, baseline + 1.6);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    SetColour(cr, Hex(0x2A2A2E));
    GlyphPath(cr, text, x, baseline);
    cairo_stroke(cr);
    marks(cr, 0);
    cairo_stroke(cr);
    SetColour(cr, Hex(0xFFFFFF));
    GlyphPath(cr, text, x, baseline);
    cairo_fill(cr);
    marks(cr, 0);
    cairo_fill(cr);
}

void DrawTile(cairo_t* cr, const Studio& studio, const Tile& tile, double cx, double cy) {
    SavedState saved(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, tile.angle * kPi / 180);
    cairo_scale(cr, tile.scale, tile.scale);
    cairo_translate(cr, -kCell / 2, -kCell / 2);
    DrawShape(cr, tile.shape, tile.style, tile.subLevel);
    if (tile.character == ' ') return;
    cairo_translate(cr, 0, tile.shape == 2 ? kGemDrop : 0);
    DrawGlyph(cr, studio, tile.character);
}

}  // namespace glyphora::artgen
