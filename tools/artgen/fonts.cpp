#include "tools/artgen/fonts.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <vector>

namespace glyphora::artgen {
namespace {

// One FreeType library for the whole run, created on first use and never
// changed; faces are released through cairo's
// user-data destructor when cairo lets go of its font face.
FT_Library Library() {
    static FT_Library library = [] {
        FT_Library created = nullptr;
        return FT_Init_FreeType(&created) == 0 ? created : nullptr;
    }();
    return library;
}

const cairo_user_data_key_t kFaceKey{};

void ReleaseFace(void* face) { FT_Done_Face(static_cast<FT_Face>(face)); }

// Text with letter spacing: one glyph run laid out by advances.
std::vector<cairo_glyph_t> LayOut(cairo_t* cr, const std::string& text, double tracking) {
    cairo_scaled_font_t* font = cairo_get_scaled_font(cr);
    cairo_glyph_t* glyphs = nullptr;
    int count = 0;
    std::vector<cairo_glyph_t> laid;
    if (cairo_scaled_font_text_to_glyphs(font, 0, 0, text.c_str(), static_cast<int>(text.size()), &glyphs, &count,
                                         nullptr, nullptr, nullptr) != CAIRO_STATUS_SUCCESS)
        return laid;
    laid.assign(glyphs, glyphs + count);
    cairo_glyph_free(glyphs);
    for (int i = 0; i < count; ++i) laid[static_cast<std::size_t>(i)].x += tracking * i;
    return laid;
}

InkBox InkOf(cairo_t* cr, const std::vector<cairo_glyph_t>& glyphs) {
    cairo_text_extents_t extents{};
    cairo_glyph_extents(cr, glyphs.data(), static_cast<int>(glyphs.size()), &extents);
    return {extents.x_bearing, extents.y_bearing, extents.width, extents.height};
}

}  // namespace

FontFile::FontFile(const std::string& path) {
    FT_Face ftFace = nullptr;
    if (!Library() || FT_New_Face(Library(), path.c_str(), 0, &ftFace) != 0) return;
    cairo_font_face_t* face = cairo_ft_font_face_create_for_ft_face(ftFace, 0);
    if (cairo_font_face_set_user_data(face, &kFaceKey, ftFace, ReleaseFace) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(face);
        FT_Done_Face(ftFace);
        return;
    }
    face_.reset(face);
}

void UseFont(cairo_t* cr, const FontFile& font, double size) {
    cairo_set_font_face(cr, font.face());
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

InkBox MeasureInk(cairo_t* cr, const std::string& text) { return InkOf(cr, LayOut(cr, text, 0)); }

double CapHeight(cairo_t* cr) { return -MeasureInk(cr, "H").top; }

double TextWidth(cairo_t* cr, const std::string& text, const TextStyle& style) {
    SavedState saved(cr);
    UseFont(cr, *style.font, style.size);
    return InkOf(cr, LayOut(cr, text, style.tracking)).width + style.outline;
}

bool DrawText(cairo_t* cr, const std::string& text, double x, double y, double w, double h, const TextStyle& style) {
    SavedState saved(cr);
    UseFont(cr, *style.font, style.size);
    std::vector<cairo_glyph_t> glyphs = LayOut(cr, text, style.tracking);
    const InkBox ink = InkOf(cr, glyphs);
    const double capHeight = CapHeight(cr);
    double originX = x - ink.left;
    if (style.align == Align::Centre) originX += (w - ink.width) / 2;
    if (style.align == Align::Right) originX += w - ink.width;
    const double baseline = y + (h + capHeight) / 2;
    for (cairo_glyph_t& glyph : glyphs) glyph.x += originX, glyph.y += baseline;
    if (style.outline > 0) {
        cairo_glyph_path(cr, glyphs.data(), static_cast<int>(glyphs.size()));
        cairo_set_line_width(cr, style.outline * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_source_rgba(cr, style.outlineColour.r, style.outlineColour.g, style.outlineColour.b, style.alpha);
        cairo_stroke(cr);
    }
    cairo_set_source_rgba(cr, style.colour.r, style.colour.g, style.colour.b, style.alpha);
    cairo_glyph_path(cr, glyphs.data(), static_cast<int>(glyphs.size()));
    cairo_fill(cr);
    const double inkLeft = originX + ink.left - style.outline,
                 inkRight = originX + ink.left + ink.width + style.outline;
    const double inkTop = baseline + ink.top - style.outline,
                 inkBottom = baseline + ink.top + ink.height + style.outline;
    const double slack = 0.5;
    return inkLeft >= x - slack && inkRight <= x + w + slack && inkTop >= y - slack && inkBottom <= y + h + slack;
}

}  // namespace glyphora::artgen
