#pragma once
// The geometry of a textured quad on the CPU device: texel coordinates of its
// corners, its shape, the affine map from frame to texels, and pixel bounds.
#include <optional>

#include "platform/cpu/draw_command.h"

namespace glyphora::platform {

struct Vec2 {
    double x = 0;
    double y = 0;
};

// Where a vertex samples, in texels: u and v scaled by the texture's size
// minus one (the contract's mapping), pixel centres at half-integers.
Vec2 TexelOf(const Vertex& v, Size texture);
Vec2 PointOf(const Vertex& v);

// u runs along the top and bottom edges alone, v down the sides alone.
bool IsSpriteLike(const QuadVertices& c);
// The fourth corner is where the other three put it (within 1/100 pixel).
bool IsParallelogram(const QuadVertices& c);

// The map taking the frame points a, b, c to the texel points ta, tb, tc;
// nothing when the points lie on one line. Entries within a hair of whole
// numbers are made whole, so that right-angle turns stay exact although
// their corners were turned in single precision.
std::optional<AffineMap> MapTriangle(const Vec2 (&points)[3], const Vec2 (&texels)[3]);
std::optional<AffineMap> Inverse(const AffineMap& map);
Vec2 Apply(const AffineMap& map, Vec2 p);
// One texel per pixel, turned by a right angle or not at all, pixel centres
// on texel centres: point and linear sampling give the same texels.
bool IsTexelExact(const AffineMap& map);

// The pixels that points spread over, widened by margin pixels on each side
// and cut to the frame.
Rect PixelBounds(const Vec2* points, int count, int margin, Size frame);
Rect Intersection(const Rect& a, const Rect& b);
inline bool IsEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }
inline long Area(const Rect& r) { return IsEmpty(r) ? 0 : long(r.right - r.left) * long(r.bottom - r.top); }

}  // namespace glyphora::platform
