// What every painter of artgen works with: the faces, and the list of problems
// found while painting (a label that does not fit, a region left unpainted).
// Any problem makes the run fail.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "tools/artgen/fonts.h"

namespace glyphora::artgen {

class Studio {
public:
    Studio();

    const Fonts& fonts() const { return fonts_; }
    void Problem(std::string what) { problems_.push_back(std::move(what)); }
    const std::vector<std::string>& problems() const { return problems_; }

    // Draws a label and records a problem named after `where` when it does not fit its box.
    void Label(cairo_t* cr, const std::string& text, double x, double y, double w, double h, const TextStyle& style,
               const std::string& where);

    // Text styles in the title face.
    TextStyle Title(double size, Rgb colour, Align align = Align::Centre) const;
    TextStyle Heavy(double size, Rgb colour, Align align = Align::Centre) const;

private:
    Fonts fonts_;
    std::vector<std::string> problems_;
};

}  // namespace glyphora::artgen
