#include "tools/artgen/studio.h"

namespace glyphora::artgen {

Studio::Studio() : fonts_{FontFile(kTitleFontPath), FontFile(kBoldFontPath)} {
    if (!fonts_.title.ok()) Problem(std::string("cannot open the title face ") + kTitleFontPath);
    if (!fonts_.bold.ok()) Problem(std::string("cannot open the bold title face ") + kBoldFontPath);
}

void Studio::Label(cairo_t* cr, const std::string& text, double x, double y, double w, double h, const TextStyle& style,
                   const std::string& where) {
    if (!style.font || !style.font->ok()) return;
    if (!DrawText(cr, text, x, y, w, h, style)) Problem(where + ": \"" + text + "\" does not fit its box");
}

TextStyle Studio::Title(double size, Rgb colour, Align align) const {
    TextStyle style;
    style.font = &fonts_.title;
    style.size = size;
    style.colour = colour;
    style.align = align;
    return style;
}

TextStyle Studio::Heavy(double size, Rgb colour, Align align) const {
    TextStyle style = Title(size, colour, align);
    style.font = &fonts_.bold;
    return style;
}

}  // namespace glyphora::artgen
