// Drawing vocabulary of the art: paths of the basic shapes and the flat fill
// with its one-step highlight and shadow.
#pragma once

#include <cairo.h>

#include <functional>

#include "tools/artgen/colour.h"

namespace glyphora::artgen {

// Adds a path to the context's current path.
using PathFn = std::function<void(cairo_t*)>;

void SetColour(cairo_t* cr, Rgb colour, double alpha = 1);

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);
// Regular polygon with rounded corners; `rotation` in degrees, 0 puts a corner at the top.
void PolygonPath(cairo_t* cr, double cx, double cy, double radius, int sides, double rotation, double cornerRadius);
void CirclePath(cairo_t* cr, double cx, double cy, double radius);
// Polygon through the points (x0, y0, x1, y1, ...) with rounded corners.
void RoundedPolygonPath(cairo_t* cr, const double* xy, int points, double cornerRadius);

PathFn RoundedRect(double x, double y, double w, double h, double radius);
PathFn Circle(double cx, double cy, double radius);
PathFn Polygon(double cx, double cy, double radius, int sides, double rotation, double cornerRadius);

void Fill(cairo_t* cr, const PathFn& path, Rgb colour, double alpha = 1);
void Stroke(cairo_t* cr, const PathFn& path, Rgb colour, double width, double alpha = 1);

// A flat body with a highlight rim along its top edge and a shadow rim along
// its bottom edge, each `rim` pixels deep, all inside the path.
struct Shading {
    Rgb base, highlight, shadow;
    double highlightRim = 2, shadowRim = 3;
};
Shading ShadeOf(Rgb base, double rimLight = 0.35, double rimDark = 0.25);
void FillShaded(cairo_t* cr, const PathFn& path, const Shading& shading, double alpha = 1);
// A recess: flat colour with a darker band along its top edge, inside the path.
void FillInset(cairo_t* cr, const PathFn& path, Rgb colour, double depth = 3, double darken = 0.15);

}  // namespace glyphora::artgen
