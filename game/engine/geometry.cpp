#include "game/engine/geometry.h"

#include <algorithm>
#include <cmath>

namespace glyphora {

namespace {
constexpr float kPi = 3.1415927f;
}

Quad MakeQuad(float x, float y, float w, float h) { return Quad{{{x, y}, {x + w, y}, {x, y + h}, {x + w, y + h}}}; }

PointF QuadCentre(const Quad& quad) {
    PointF centre;
    for (const PointF& p : quad.corners) {
        centre.x += p.x;
        centre.y += p.y;
    }
    return {centre.x / 4, centre.y / 4};
}

Quad TranslateQuad(const Quad& quad, float dx, float dy) {
    Quad moved = quad;
    for (PointF& p : moved.corners) {
        p.x += dx;
        p.y += dy;
    }
    return moved;
}

Quad RotateQuad(const Quad& quad, float degrees) {
    const float radians = degrees / 180.0f * kPi;
    const float c = std::cos(radians), s = std::sin(radians);
    const PointF centre = QuadCentre(quad);
    Quad turned = quad;
    for (PointF& p : turned.corners) {
        const float x = p.x - centre.x, y = p.y - centre.y;
        p = {centre.x + x * c - y * s, centre.y + y * c + x * s};
    }
    return turned;
}

Quad ScaleQuad(const Quad& quad, float factor) {
    const PointF centre = QuadCentre(quad);
    Quad scaled = quad;
    for (PointF& p : scaled.corners) p = {centre.x + factor * (p.x - centre.x), centre.y + factor * (p.y - centre.y)};
    return scaled;
}

float QuadExtreme(const Quad& quad, QuadSide side) {
    float extreme = (side == QuadSide::Top || side == QuadSide::Bottom) ? quad.corners[0].y : quad.corners[0].x;
    for (const PointF& p : quad.corners) {
        switch (side) {
            case QuadSide::Top: extreme = std::min(extreme, p.y); break;
            case QuadSide::Right: extreme = std::max(extreme, p.x); break;
            case QuadSide::Bottom: extreme = std::max(extreme, p.y); break;
            case QuadSide::Left: extreme = std::min(extreme, p.x); break;
        }
    }
    return extreme;
}

Rect MakeRect(int x, int y, int w, int h) { return Rect{x, y, x + w, y + h}; }
int RectArea(const Rect& rect) { return (rect.right - rect.left) * (rect.bottom - rect.top); }
void RaiseTo(int& value, int floor) { value = std::max(value, floor); }
void LowerTo(int& value, int ceiling) { value = std::min(value, ceiling); }
void RaiseTo(float& value, float floor) { value = std::max(value, floor); }
void LowerTo(float& value, float ceiling) { value = std::min(value, ceiling); }

int ColourChannel(Colour colour, int index) {
    switch (index) {
        case 0: return int((colour >> 16) & 0xFF);
        case 1: return int((colour >> 8) & 0xFF);
        case 2: return int(colour & 0xFF);
        default: return 0;
    }
}

Colour BlendColours(Colour a, Colour b, float t) {
    Colour result = 0xFF000000;
    for (int channel = 0; channel < 3; ++channel) {
        const float mixed = t * float(ColourChannel(a, channel)) + (1.0f - t) * float(ColourChannel(b, channel));
        const auto value = static_cast<Colour>(std::clamp(static_cast<int>(mixed), 0, 255));
        result |= value << (16 - 8 * channel);
    }
    return result;
}

}  // namespace glyphora
