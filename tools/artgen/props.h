// Larger props of the menu pictures, each drawn about a centre point.
#pragma once

#include <cairo.h>

#include "tools/artgen/studio.h"

namespace glyphora::artgen {

void DrawTrophy(cairo_t* cr, const Studio& studio, double cx, double cy, double size);
void DrawGear(cairo_t* cr, double cx, double cy, double radius, double angle);
void DrawBigHeart(cairo_t* cr, double cx, double cy, double width);
// A balloon made of a letter tile, its string running down to (endX, endY).
void DrawTileBalloon(cairo_t* cr, const Studio& studio, int shape, int style, int subLevel, char letter, double cx,
                     double cy, double scale, double endX, double endY);
void DrawStopSign(cairo_t* cr, const Studio& studio, double cx, double cy, double radius);
void DrawDoor(cairo_t* cr, double x, double y, double w, double h, double open);
void DrawPodium(cairo_t* cr, const Studio& studio, double x, double y, double w);
void DrawSpeaker(cairo_t* cr, double cx, double cy, double size);
// A curved arrow from (x0, y0) to (x1, y1) bulging by `bend` pixels.
void DrawCurvedArrow(cairo_t* cr, double x0, double y0, double x1, double y1, double bend, double width, Rgb colour);

}  // namespace glyphora::artgen
