#include "tools/artgen/props.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "tools/artgen/cairo_handles.h"
#include "tools/artgen/figures.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/tiles.h"

namespace glyphora::artgen {
namespace {

constexpr double kPi = 3.14159265358979323846;
const Rgb kGold = Hex(0xFFC61A);
const Rgb kInk = Hex(0x2A2A2E);

}  // namespace

void DrawTrophy(cairo_t* cr, const Studio& studio, double cx, double cy, double size) {
    const double s = size / 100;
    const Rgb edge = Darker(kGold, 0.45);
    // Handles behind the cup.
    for (double side : {-1.0, 1.0}) {
        cairo_new_path(cr);
        cairo_arc(cr, cx + side * 34 * s, cy - 22 * s, 13 * s, 0, 2 * kPi);
        SetColour(cr, edge);
        cairo_set_line_width(cr, 9 * s);
        cairo_stroke_preserve(cr);
        SetColour(cr, kGold);
        cairo_set_line_width(cr, 5 * s);
        cairo_stroke(cr);
    }
    const PathFn cup = [=](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_move_to(c, cx - 38 * s, cy - 44 * s);
        cairo_line_to(c, cx + 38 * s, cy - 44 * s);
        cairo_curve_to(c, cx + 38 * s, cy - 5 * s, cx + 20 * s, cy + 10 * s, cx + 8 * s, cy + 14 * s);
        cairo_line_to(c, cx + 8 * s, cy + 26 * s);
        cairo_line_to(c, cx - 8 * s, cy + 26 * s);
        cairo_line_to(c, cx - 8 * s, cy + 14 * s);
        cairo_curve_to(c, cx - 20 * s, cy + 10 * s, cx - 38 * s, cy - 5 * s, cx - 38 * s, cy - 44 * s);
        cairo_close_path(c);
    };
    FillShaded(cr, cup, {kGold, Lighter(kGold, 0.5), Darker(kGold, 0.2), 4 * s, 6 * s});
    Stroke(cr, cup, edge, 2.5 * s);
    const PathFn base = RoundedRect(cx - 26 * s, cy + 25 * s, 52 * s, 16 * s, 4 * s);
    FillShaded(cr, base, ShadeOf(Hex(0x8C6A3C), 0.3, 0.25));
    Stroke(cr, base, Darker(Hex(0x8C6A3C), 0.4), 2 * s);
    Fill(cr, RoundedRect(cx - 24 * s, cy - 38 * s, 7 * s, 30 * s, 3.5 * s), Lighter(kGold, 0.6), 0.8);
    DrawText(cr, "1", cx - 20 * s, cy - 40 * s, 40 * s, 42 * s, studio.Heavy(44 * s, Darker(kGold, 0.5)));
}

void DrawGear(cairo_t* cr, double cx, double cy, double radius, double angle) {
    SavedState saved(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle * kPi / 180);
    const Rgb steel = Hex(0xB4B6BC);
    const PathFn gear = [=](cairo_t* c) {
        GearPath(c, 0, 0, radius, 9);
        CirclePath(c, 0, 0, radius * 0.32);
    };
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    FillShaded(cr, gear, {steel, Lighter(steel, 0.45), Darker(steel, 0.2), 2.5, 4});
    Stroke(cr, gear, Darker(steel, 0.45), 2);
    Stroke(cr, Circle(0, 0, radius * 0.55), Darker(steel, 0.15), 2);
}

void DrawBigHeart(cairo_t* cr, double cx, double cy, double width) {
    const Rgb red = Hex(0xE0483E);
    const PathFn heart = [=](cairo_t* c) { HeartPath(c, cx, cy, width); };
    FillShaded(cr, heart, {red, Lighter(red, 0.35), Darker(red, 0.22), width * 0.04, width * 0.06});
    Stroke(cr, heart, Darker(red, 0.5), std::max(2.0, width * 0.025));
    Fill(cr, Circle(cx - width * 0.26, cy - width * 0.2, width * 0.06), Lighter(red, 0.75));
}

void DrawTileBalloon(cairo_t* cr, const Studio& studio, int shape, int style, int subLevel, char letter, double cx,
                     double cy, double scale, double endX, double endY) {
    const double bottom = cy + 30 * scale;
    cairo_new_path(cr);
    cairo_move_to(cr, cx, bottom);
    cairo_curve_to(cr, cx - 8, bottom + (endY - bottom) * 0.4, endX + 8, bottom + (endY - bottom) * 0.6, endX, endY);
    SetColour(cr, Hex(0x8C8C92));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    Fill(cr, Polygon(cx, bottom + 1, 4, 3, 0, 1), Darker(StyleColour(style, subLevel), 0.3));
    DrawTile(cr, studio, {shape, style, subLevel, letter, scale, 0}, cx, cy);
}

void DrawStopSign(cairo_t* cr, const Studio& studio, double cx, double cy, double radius) {
    const Rgb red = Hex(0xD32A20);
    Fill(cr, RoundedRect(cx - 5, cy, 10, radius * 2.2, 2), Hex(0x9A9AA2));
    Fill(cr, RoundedRect(cx - 5, cy, 4, radius * 2.2, 2), Hex(0xB8B8C0));
    Fill(cr, Polygon(cx, cy, radius, 8, 22.5, 4), Hex(0xFFFFFF));
    Stroke(cr, Polygon(cx, cy, radius, 8, 22.5, 4), Darker(red, 0.45), 2);
    FillShaded(cr, Polygon(cx, cy, radius - 6, 8, 22.5, 3), {red, Lighter(red, 0.3), Darker(red, 0.2), 3, 4});
    DrawText(cr, "STOP", cx - radius, cy - radius * 0.4, radius * 2, radius * 0.8,
             studio.Heavy(radius * 0.78, Hex(0xFFFFFF)));
}

void DrawDoor(cairo_t* cr, double x, double y, double w, double h, double open) {
    const Rgb wood = Hex(0xB08A5A);
    Fill(cr, RoundedRect(x - 6, y - 6, w + 12, h + 6, 4), Hex(0x9A9AA2));
    Fill(cr, RoundedRect(x, y, w, h, 2), Hex(0x3A3A40));
    // The door leaf turns on its left hinge: it narrows as it opens.
    const double leaf = w * (1 - open * 0.75);
    const PathFn door = [=](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_move_to(c, x, y);
        cairo_line_to(c, x + leaf, y - 6 * open);
        cairo_line_to(c, x + leaf, y + h + 6 * open);
        cairo_line_to(c, x, y + h);
        cairo_close_path(c);
    };
    FillShaded(cr, door, ShadeOf(wood, 0.3, 0.2));
    Stroke(cr, door, Darker(wood, 0.45), 2);
    Fill(cr, Circle(x + leaf - 7, y + h * 0.55, 3), Hex(0xFFC61A));
}

void DrawPodium(cairo_t* cr, const Studio& studio, double x, double y, double w) {
    const double step = w / 3;
    const double heights[] = {38, 58, 26};
    const char* places[] = {"2", "1", "3"};
    for (int i = 0; i < 3; ++i) {
        const double top = y - heights[i];
        const Rgb face = i == 1 ? Hex(0xE8E8EC) : Hex(0xDCDCE2);
        const PathFn block = RoundedRect(x + i * step, top, step, heights[i], 3);
        FillShaded(cr, block, ShadeOf(face, 0.5, 0.12));
        Stroke(cr, block, Hex(0xB4B4BC), 1.5);
        DrawText(cr, places[i], x + i * step, top + 4, step, 28, studio.Heavy(26, Hex(0xA4A4AC)));
    }
}

void DrawSpeaker(cairo_t* cr, double cx, double cy, double size) {
    const double s = size / 40;
    const PathFn body = [=](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_move_to(c, cx - 16 * s, cy - 7 * s);
        cairo_line_to(c, cx - 7 * s, cy - 7 * s);
        cairo_line_to(c, cx + 4 * s, cy - 17 * s);
        cairo_line_to(c, cx + 4 * s, cy + 17 * s);
        cairo_line_to(c, cx - 7 * s, cy + 7 * s);
        cairo_line_to(c, cx - 16 * s, cy + 7 * s);
        cairo_close_path(c);
    };
    FillShaded(cr, body, ShadeOf(Hex(0x8C8C96), 0.35, 0.2));
    Stroke(cr, body, Darker(Hex(0x8C8C96), 0.45), 2);
    for (int i = 1; i <= 2; ++i) {
        cairo_new_path(cr);
        cairo_arc(cr, cx + 4 * s, cy, (8 + 8 * i) * s, -0.3 * kPi, 0.3 * kPi);
        SetColour(cr, Hex(0x8C8C96));
        cairo_set_line_width(cr, 3.5 * s);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
}

void DrawCurvedArrow(cairo_t* cr, double x0, double y0, double x1, double y1, double bend, double width, Rgb colour) {
    const double mx = (x0 + x1) / 2, my = (y0 + y1) / 2;
    const double dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    const double nx = -dy / len, ny = dx / len;
    const double qx = mx + nx * bend, qy = my + ny * bend;
    // End direction of the curve, for the head.
    const double ex = x1 - qx, ey = y1 - qy, el = std::hypot(ex, ey);
    const double ux = ex / el, uy = ey / el, head = width * 3.2;
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, qx, qy, qx, qy, x1 - ux * head * 0.7, y1 - uy * head * 0.7);
    SetColour(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    const double pts[] = {x1,
                          y1,
                          x1 - ux * head - uy * head * 0.62,
                          y1 - uy * head + ux * head * 0.62,
                          x1 - ux * head + uy * head * 0.62,
                          y1 - uy * head - ux * head * 0.62};
    cairo_new_path(cr);
    RoundedPolygonPath(cr, pts, 3, 1.5);
    cairo_fill(cr);
}

}  // namespace glyphora::artgen
