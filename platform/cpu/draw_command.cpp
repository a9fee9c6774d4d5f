#include "platform/cpu/draw_command.h"

#include <cmath>
#include <cstring>

#include "platform/cpu/quad_geometry.h"

namespace glyphora::platform {
namespace {

constexpr double kTexelSlack = 1e-3;

// Texel maps beyond this cannot be held in pixman's 16.16 fixed point.
constexpr double kLargestMapEntry = 30000;

bool Representable(const AffineMap& map) {
    for (const auto& row : map.m)
        for (double entry : row)
            if (!(std::fabs(entry) < kLargestMapEntry)) return false;
    return true;
}

// Corners pixman can place: finite, and within its 16.16 fixed point.
bool Placeable(const QuadVertices& c) {
    for (int i = 0; i < 4; ++i) {
        if (!std::isfinite(c[i].u) || !std::isfinite(c[i].v)) return false;
        if (!(std::fabs(c[i].x) < kLargestMapEntry) || !(std::fabs(c[i].y) < kLargestMapEntry)) return false;
    }
    return true;
}

bool NearWhole(double value) { return std::fabs(value - std::round(value)) < kTexelSlack; }

// The mean of the corners' colours, channel by channel. The game's corners
// always share one colour; differing ones are blended into one tint.
Colour MeanColour(const QuadVertices& c) {
    if (c[0].colour == c[1].colour && c[0].colour == c[2].colour && c[0].colour == c[3].colour) return c[0].colour;
    Colour mean = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        Colour sum = 0;
        for (int i = 0; i < 4; ++i) sum += (c[i].colour >> shift) & 0xFF;
        mean |= ((sum + 2) / 4) << shift;
    }
    return mean;
}

// An upright quad showing its texels one to one at whole-pixel places.
bool PlanCopy(const QuadVertices& c, Size size, Size frame, DrawCommand& out) {
    const bool upright = c[0].y == c[1].y && c[2].y == c[3].y && c[0].x == c[2].x && c[1].x == c[3].x;
    if (!upright) return false;
    const Vec2 t0 = TexelOf(c[0], size), t3 = TexelOf(c[3], size);
    const double width = double(c[1].x) - double(c[0].x), height = double(c[2].y) - double(c[0].y);
    if (width <= 0 || height <= 0 || std::fabs(width - (t3.x - t0.x)) > kTexelSlack ||
        std::fabs(height - (t3.y - t0.y)) > kTexelSlack)
        return false;
    if (!NearWhole(c[0].x) || !NearWhole(c[0].y) || !NearWhole(t0.x) || !NearWhole(t0.y)) return false;
    const int x = int(std::lround(c[0].x)), y = int(std::lround(c[0].y));
    const int sx = int(std::lround(t0.x)), sy = int(std::lround(t0.y));
    const int w = int(std::lround(width)), h = int(std::lround(height));
    // Texels outside the texture show nothing: cut them off on both sides.
    const Rect source = Intersection({sx, sy, sx + w, sy + h}, {0, 0, size.width, size.height});
    out.shape = QuadShape::Copy;
    out.source = source;
    out.at = {x + (source.left - sx), y + (source.top - sy)};
    out.bounds = Intersection(
        {out.at.x, out.at.y, out.at.x + (source.right - source.left), out.at.y + (source.bottom - source.top)},
        {0, 0, frame.width, frame.height});
    out.smooth = false;
    return true;
}

// A parallelogram over the texel rectangle of a sprite-like quad: drawn from
// the region's own image, which is transparent around it, so the quad's
// outline needs no mask; only the region's visible part is touched.
bool PlanMapped(const QuadVertices& c, TexturePixels& texture, Size frame, DrawCommand& out) {
    const Size size = texture.size();
    const Vec2 points[3] = {PointOf(c[0]), PointOf(c[1]), PointOf(c[2])};
    const Vec2 texels[3] = {TexelOf(c[0], size), TexelOf(c[1], size), TexelOf(c[2], size)};
    const auto map = MapTriangle(points, texels);
    const auto back = map ? Inverse(*map) : std::nullopt;
    if (!back || !Representable(*map)) return false;
    const auto edge = [](double a, double b, bool low) {
        return int(low ? std::floor(std::min(a, b) + kTexelSlack) : std::ceil(std::max(a, b) - kTexelSlack));
    };
    out.region = Intersection({edge(texels[0].x, texels[1].x, true), edge(texels[0].y, texels[2].y, true),
                               edge(texels[0].x, texels[1].x, false), edge(texels[0].y, texels[2].y, false)},
                              {0, 0, size.width, size.height});
    if (IsEmpty(out.region)) return false;
    const Rect visible = texture.region(out.region).visible;
    if (IsEmpty(visible)) return false;
    out.shape = QuadShape::Mapped;
    out.maps[0] = *map;
    out.smooth = out.smooth && !IsTexelExact(*map);
    // Linear sampling reaches one texel past the visible part.
    const double reach = out.smooth ? 1 : 0;
    const Vec2 outline[4] = {
        Apply(*back, {visible.left - reach, visible.top - reach}),
        Apply(*back, {visible.right + reach, visible.top - reach}),
        Apply(*back, {visible.left - reach, visible.bottom + reach}),
        Apply(*back, {visible.right + reach, visible.bottom + reach}),
    };
    out.bounds = PixelBounds(outline, 4, 1, frame);
    return !IsEmpty(out.bounds);
}

// Any other quad: the two triangles of its strip, each with its own map.
bool PlanTriangles(const QuadVertices& c, const TexturePixels& texture, Size frame, DrawCommand& out) {
    const Size size = texture.size();
    static constexpr int kTriangles[2][3] = {{0, 1, 2}, {1, 3, 2}};
    for (int t = 0; t < 2; ++t) {
        const int* v = kTriangles[t];
        const Vec2 points[3] = {PointOf(c[v[0]]), PointOf(c[v[1]]), PointOf(c[v[2]])};
        const Vec2 texels[3] = {TexelOf(c[v[0]], size), TexelOf(c[v[1]], size), TexelOf(c[v[2]], size)};
        // A degenerate triangle covers no pixel centre; its map is never used.
        out.maps[t] = MapTriangle(points, texels).value_or(AffineMap{});
        if (!Representable(out.maps[t])) return false;
    }
    Vec2 points[4];
    for (int i = 0; i < 4; ++i) points[i] = PointOf(c[i]);
    out.shape = QuadShape::Triangles;
    out.region = {0, 0, size.width, size.height};
    out.bounds = PixelBounds(points, 4, 1, frame);
    return !IsEmpty(out.bounds);
}

}  // namespace

bool DrawCommand::sameAs(const DrawCommand& other) const {
    if (kind != other.kind || colour != other.colour || smooth != other.smooth) return false;
    if (kind == Kind::Fill) return bounds == other.bounds;
    return texture == other.texture && std::memcmp(corners, other.corners, sizeof corners) == 0;
}

bool MakeFill(Rect rect, Colour colour, Size frame, DrawCommand& out) {
    out.kind = DrawCommand::Kind::Fill;
    out.colour = colour;
    out.smooth = false;
    out.texture.reset();
    out.bounds = Intersection(rect, {0, 0, frame.width, frame.height});
    return !IsEmpty(out.bounds);
}

bool MakeQuad(const std::shared_ptr<TexturePixels>& texture, const QuadVertices& corners, Colour modulation,
              Filter filter, Size frame, DrawCommand& out) {
    if (!texture || (modulation >> 24) == 0 || !Placeable(corners)) return false;
    out.kind = DrawCommand::Kind::Quad;
    out.colour = modulation;
    out.smooth = filter == Filter::Linear;
    out.texture = texture;
    for (int i = 0; i < 4; ++i) out.corners[i] = {corners[i].x, corners[i].y, 0, corners[i].u, corners[i].v};
    const bool planned =
        IsSpriteLike(corners) && IsParallelogram(corners)
            ? PlanCopy(corners, texture->size(), frame, out) || PlanMapped(corners, *texture, frame, out)
            : PlanTriangles(corners, *texture, frame, out);
    return planned && !IsEmpty(out.bounds);
}

Colour ModulationOf(const QuadVertices& corners, AlphaSource alpha) {
    const Colour colour = MeanColour(corners);
    return alpha == AlphaSource::Vertex ? colour : (colour | 0xFF000000u);
}

}  // namespace glyphora::platform
