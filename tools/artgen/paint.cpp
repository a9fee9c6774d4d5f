#include "tools/artgen/paint.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/artgen/cairo_handles.h"

namespace glyphora::artgen {
namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

void SetColour(cairo_t* cr, Rgb colour, double alpha) {
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double r = std::min(radius, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void RoundedPolygonPath(cairo_t* cr, const double* xy, int points, double cornerRadius) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points; ++i) {
        const int prev = (i + points - 1) % points, next = (i + 1) % points;
        const double cx = xy[2 * i], cy = xy[2 * i + 1];
        const double ax = xy[2 * prev] - cx, ay = xy[2 * prev + 1] - cy;
        const double bx = xy[2 * next] - cx, by = xy[2 * next + 1] - cy;
        const double la = std::hypot(ax, ay), lb = std::hypot(bx, by);
        const double angle = std::acos(std::clamp((ax * bx + ay * by) / (la * lb), -1.0, 1.0));
        // Tangent points of the rounding, at distance d from the corner on both edges.
        const double d = std::min(cornerRadius / std::tan(angle / 2), std::min(la, lb) / 2);
        const double sx = cx + ax / la * d, sy = cy + ay / la * d;
        const double ex = cx + bx / lb * d, ey = cy + by / lb * d;
        if (i == 0) cairo_move_to(cr, sx, sy);
        else cairo_line_to(cr, sx, sy);
        // A cubic with both handles 55 % towards the corner is close to a circular arc.
        constexpr double k = 0.55;
        cairo_curve_to(cr, sx + (cx - sx) * k, sy + (cy - sy) * k, ex + (cx - ex) * k, ey + (cy - ey) * k, ex, ey);
    }
    cairo_close_path(cr);
}

void PolygonPath(cairo_t* cr, double cx, double cy, double radius, int sides, double rotation, double cornerRadius) {
    std::vector<double> xy;
    for (int i = 0; i < sides; ++i) {
        const double a = (rotation + 360.0 * i / sides) * kPi / 180 - kPi / 2;
        xy.push_back(cx + radius * std::cos(a));
        xy.push_back(cy + radius * std::sin(a));
    }
    RoundedPolygonPath(cr, xy.data(), sides, cornerRadius);
}

void CirclePath(cairo_t* cr, double cx, double cy, double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
    cairo_close_path(cr);
}

PathFn RoundedRect(double x, double y, double w, double h, double radius) {
    return [=](cairo_t* cr) { RoundedRectPath(cr, x, y, w, h, radius); };
}

PathFn Circle(double cx, double cy, double radius) {
    return [=](cairo_t* cr) { CirclePath(cr, cx, cy, radius); };
}

PathFn Polygon(double cx, double cy, double radius, int sides, double rotation, double cornerRadius) {
    return [=](cairo_t* cr) { PolygonPath(cr, cx, cy, radius, sides, rotation, cornerRadius); };
}

void Fill(cairo_t* cr, const PathFn& path, Rgb colour, double alpha) {
    cairo_new_path(cr);
    path(cr);
    SetColour(cr, colour, alpha);
    cairo_fill(cr);
}

void Stroke(cairo_t* cr, const PathFn& path, Rgb colour, double width, double alpha) {
    cairo_new_path(cr);
    path(cr);
    SetColour(cr, colour, alpha);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

Shading ShadeOf(Rgb base, double rimLight, double rimDark) {
    return {base, Lighter(base, rimLight), Darker(base, rimDark)};
}

// Painted in a group so that the layers blend as one body when alpha < 1.
// Where a point p lies: p − (0, highlightRim) outside the path → highlight;
// p + (0, shadowRim) outside → shadow; otherwise the base colour.
void FillShaded(cairo_t* cr, const PathFn& path, const Shading& shading, double alpha) {
    SavedState saved(cr);
    cairo_push_group(cr);
    cairo_new_path(cr);
    path(cr);
    cairo_clip(cr);
    cairo_new_path(cr);
    path(cr);
    SetColour(cr, shading.shadow);
    cairo_fill(cr);
    cairo_translate(cr, 0, -shading.shadowRim);
    cairo_new_path(cr);
    path(cr);
    SetColour(cr, shading.highlight);
    cairo_fill_preserve(cr);
    cairo_clip(cr);
    cairo_translate(cr, 0, shading.shadowRim + shading.highlightRim);
    cairo_new_path(cr);
    path(cr);
    SetColour(cr, shading.base);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
}

void FillInset(cairo_t* cr, const PathFn& path, Rgb colour, double depth, double darken) {
    FillShaded(cr, path, {colour, Darker(colour, darken), colour, depth, 0});
}

}  // namespace glyphora::artgen
