#include "platform/cpu/quad_geometry.h"

#include <algorithm>
#include <cmath>

namespace glyphora::platform {
namespace {

constexpr double kParallelogramSlack = 0.01;  // pixels
constexpr double kWholeSlack = 1e-4;

double SnappedToWhole(double value, double slack) {
    const double whole = std::round(value);
    return std::fabs(value - whole) < slack ? whole : value;
}

bool IsWhole(double value) { return value == std::round(value); }

}  // namespace

Vec2 TexelOf(const Vertex& v, Size texture) {
    const double width = std::max(texture.width - 1, 1), height = std::max(texture.height - 1, 1);
    return {double(v.u) * width, double(v.v) * height};
}

Vec2 PointOf(const Vertex& v) { return {double(v.x), double(v.y)}; }

bool IsSpriteLike(const QuadVertices& c) {
    return c[0].u == c[2].u && c[1].u == c[3].u && c[0].v == c[1].v && c[2].v == c[3].v;
}

bool IsParallelogram(const QuadVertices& c) {
    const double x = double(c[1].x) + double(c[2].x) - double(c[0].x);
    const double y = double(c[1].y) + double(c[2].y) - double(c[0].y);
    return std::fabs(x - double(c[3].x)) < kParallelogramSlack && std::fabs(y - double(c[3].y)) < kParallelogramSlack;
}

std::optional<AffineMap> MapTriangle(const Vec2 (&p)[3], const Vec2 (&t)[3]) {
    const Vec2 e1{p[1].x - p[0].x, p[1].y - p[0].y}, e2{p[2].x - p[0].x, p[2].y - p[0].y};
    const Vec2 f1{t[1].x - t[0].x, t[1].y - t[0].y}, f2{t[2].x - t[0].x, t[2].y - t[0].y};
    const double det = e1.x * e2.y - e1.y * e2.x;
    if (std::fabs(det) < 1e-9) return std::nullopt;
    // [f1 f2] times the inverse of [e1 e2].
    AffineMap map;
    map.m[0][0] = SnappedToWhole((f1.x * e2.y - f2.x * e1.y) / det, kWholeSlack);
    map.m[0][1] = SnappedToWhole((f2.x * e1.x - f1.x * e2.x) / det, kWholeSlack);
    map.m[1][0] = SnappedToWhole((f1.y * e2.y - f2.y * e1.y) / det, kWholeSlack);
    map.m[1][1] = SnappedToWhole((f2.y * e1.x - f1.y * e2.x) / det, kWholeSlack);
    for (int row = 0; row < 2; ++row) {
        const double offset = row == 0 ? t[0].x : t[0].y;
        map.m[row][2] = SnappedToWhole(offset - map.m[row][0] * p[0].x - map.m[row][1] * p[0].y, 1e-3);
    }
    return map;
}

std::optional<AffineMap> Inverse(const AffineMap& map) {
    const auto& m = map.m;
    const double det = m[0][0] * m[1][1] - m[0][1] * m[1][0];
    if (std::fabs(det) < 1e-12) return std::nullopt;
    AffineMap inverse;
    auto& r = inverse.m;
    r[0][0] = m[1][1] / det, r[0][1] = -m[0][1] / det;
    r[1][0] = -m[1][0] / det, r[1][1] = m[0][0] / det;
    r[0][2] = -(r[0][0] * m[0][2] + r[0][1] * m[1][2]);
    r[1][2] = -(r[1][0] * m[0][2] + r[1][1] * m[1][2]);
    return inverse;
}

Vec2 Apply(const AffineMap& map, Vec2 p) {
    const auto& m = map.m;
    return {m[0][0] * p.x + m[0][1] * p.y + m[0][2], m[1][0] * p.x + m[1][1] * p.y + m[1][2]};
}

bool IsTexelExact(const AffineMap& map) {
    const auto& m = map.m;
    const bool upright = m[0][1] == 0 && m[1][0] == 0 && std::fabs(m[0][0]) == 1 && std::fabs(m[1][1]) == 1;
    const bool turned = m[0][0] == 0 && m[1][1] == 0 && std::fabs(m[0][1]) == 1 && std::fabs(m[1][0]) == 1;
    return (upright || turned) && IsWhole(m[0][2]) && IsWhole(m[1][2]);
}

Rect PixelBounds(const Vec2* points, int count, int margin, Size frame) {
    double left = points[0].x, right = points[0].x, top = points[0].y, bottom = points[0].y;
    for (int i = 1; i < count; ++i) {
        left = std::min(left, points[i].x), right = std::max(right, points[i].x);
        top = std::min(top, points[i].y), bottom = std::max(bottom, points[i].y);
    }
    const auto clampTo = [](double value, int limit) { return int(std::clamp(value, 0.0, double(limit))); };
    return {clampTo(std::floor(left) - margin, frame.width), clampTo(std::floor(top) - margin, frame.height),
            clampTo(std::ceil(right) + margin, frame.width), clampTo(std::ceil(bottom) + margin, frame.height)};
}

Rect Intersection(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

}  // namespace glyphora::platform
