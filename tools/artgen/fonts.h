// The faces that artgen letters with, opened from their files (never looked up
// by name, so the output does not depend on the machine's font configuration),
// and the text helpers built on them.
#pragma once

#include <cairo.h>

#include <string>

#include "tools/artgen/cairo_handles.h"
#include "tools/artgen/colour.h"

namespace glyphora::artgen {

// A FreeType face as a cairo font face; the FreeType face lives as long as
// cairo holds the font face.
class FontFile {
public:
    explicit FontFile(const std::string& path);
    bool ok() const { return face_ != nullptr; }
    cairo_font_face_t* face() const { return face_.get(); }

private:
    FontFacePtr face_;
};

struct Fonts {
    FontFile title;  // Bebas Neue Regular: labels and headings (capitals only)
    FontFile bold;   // Bebas Neue Bold: the falling glyphs and big titles
};

inline constexpr const char* kTitleFontPath = "/usr/share/fonts/opentype/bebas-neue/BebasNeue-Regular.otf";
inline constexpr const char* kBoldFontPath = "/usr/share/fonts/opentype/bebas-neue/BebasNeue-Bold.otf";

// Ink bounds of a text relative to its origin on the baseline.
struct InkBox {
    double left = 0, top = 0, width = 0, height = 0;
};

// Selects a face at a pixel size with fixed rendering options.
void UseFont(cairo_t* cr, const FontFile& font, double size);
InkBox MeasureInk(cairo_t* cr, const std::string& text);
// Height of a capital letter of the current font, in pixels.
double CapHeight(cairo_t* cr);

enum class Align { Left, Centre, Right };

// How a line of text is set into a box: capitals centred vertically on the
// box's middle; horizontally by ink.
struct TextStyle {
    const FontFile* font = nullptr;
    double size = 20;
    Rgb colour{};
    double alpha = 1;
    Align align = Align::Centre;
    double outline = 0;  // stroke width around the letters, 0 for none
    Rgb outlineColour{};
    double tracking = 0;  // extra pixels between letters
};

// Draws text into the box (x, y, w, h) and returns false when its ink does not
// fit inside the box.
bool DrawText(cairo_t* cr, const std::string& text, double x, double y, double w, double h, const TextStyle& style);
// Width of the ink of a text in a style (for layouts that depend on it).
double TextWidth(cairo_t* cr, const std::string& text, const TextStyle& style);

}  // namespace glyphora::artgen
