#pragma once
// Quads, rectangles and colours: the pure helpers every drawing routine uses.
#include <cstdint>

#include "platform/platform.h"

namespace glyphora {

using platform::Colour;
using platform::Rect;

struct PointF {
    float x = 0;
    float y = 0;
};

// Four corner points in the order top-left, top-right, bottom-left,
// bottom-right, the order of the device's triangle strip.
struct Quad {
    PointF corners[4];
};

enum class QuadSide { Top = 0, Right = 1, Bottom = 2, Left = 3 };

Quad MakeQuad(float x, float y, float w, float h);
PointF QuadCentre(const Quad& quad);
Quad TranslateQuad(const Quad& quad, float dx, float dy);
// Rotates every corner about the centre; positive degrees turn clockwise on
// screen (y points down).
Quad RotateQuad(const Quad& quad, float degrees);
Quad ScaleQuad(const Quad& quad, float factor);
// Top: smallest y; Right: largest x; Bottom: largest y; Left: smallest x.
float QuadExtreme(const Quad& quad, QuadSide side);

Rect MakeRect(int x, int y, int w, int h);
int RectArea(const Rect& rect);
void RaiseTo(int& value, int floor);
void LowerTo(int& value, int ceiling);
void RaiseTo(float& value, float floor);
void LowerTo(float& value, float ceiling);

// 0 red, 1 green, 2 blue; 0 for any other index.
int ColourChannel(Colour colour, int index);
// Per channel t * a + (1 - t) * b, truncated; alpha forced to 0xFF.
Colour BlendColours(Colour a, Colour b, float t);

}  // namespace glyphora
