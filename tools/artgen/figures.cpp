#include "tools/artgen/figures.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "tools/artgen/cairo_handles.h"
#include "tools/artgen/paint.h"

namespace glyphora::artgen {
namespace {

constexpr double kPi = 3.14159265358979323846;
const Rgb kInk = Hex(0x2A2A2E);

void DrawEye(cairo_t* cr, double x, double y, double r, double lookX, double lookY, Mood mood) {
    if (mood == Mood::Sleepy || (mood == Mood::Wink && x > kCell / 2)) {
        cairo_new_path(cr);
        cairo_arc(cr, x, y - r * 0.2, r * 0.8, 0.15 * kPi, 0.85 * kPi);
        SetColour(cr, kInk);
        cairo_set_line_width(cr, r * 0.32);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        return;
    }
    const double rx = r * 0.82, ry = r * (mood == Mood::Surprised ? 1.12 : 1.0);
    const PathFn white = [&](cairo_t* c) {
        SavedState s(c);
        cairo_translate(c, x, y);
        cairo_scale(c, rx, ry);
        CirclePath(c, 0, 0, 1);
    };
    Fill(cr, white, Hex(0xFFFFFF));
    Stroke(cr, white, kInk, r * 0.22);
    const double pr = r * (mood == Mood::Surprised ? 0.38 : 0.46);
    const double px = x + lookX * (rx - pr - r * 0.12), py = y + lookY * (ry - pr - r * 0.12);
    Fill(cr, Circle(px, py, pr), kInk);
    Fill(cr, Circle(px - pr * 0.35, py - pr * 0.4, pr * 0.32), Hex(0xFFFFFF));
}

// Brows over both eyes: sad and nervous ones slope down outwards, surprised
// ones are raised.
void DrawBrows(cairo_t* cr, double faceY, Mood mood) {
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 1.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (double side : {-1.0, 1.0}) {
        const double x = kCell / 2 + side * 8, y = faceY - (mood == Mood::Surprised ? 11 : 8.5);
        const double tilt = mood == Mood::Surprised ? 0 : 2.2;
        cairo_new_path(cr);
        cairo_move_to(cr, x - side * 4.5, y - tilt);
        cairo_line_to(cr, x + side * 4.5, y + tilt);
        cairo_stroke(cr);
    }
}

void DrawShades(cairo_t* cr, double cx, double y, double r) {
    for (double side : {-1.0, 1.0}) {
        const double x = cx + side * r * 1.15;
        Fill(cr, RoundedRect(x - r * 1.05, y - r * 0.75, r * 2.1, r * 1.4, r * 0.55), Hex(0x1C1C20));
        Fill(cr, RoundedRect(x - r * 0.7, y - r * 0.55, r * 0.7, r * 0.3, r * 0.15), Hex(0x6A6A74));
    }
    Fill(cr, RoundedRect(cx - r * 0.3, y - r * 0.5, r * 0.6, r * 0.22, r * 0.1), Hex(0x1C1C20));
}

}  // namespace

double Scatter::Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) / static_cast<double>(1u << 24);
}

void DrawCharacter(cairo_t* cr, const Studio& studio, const Character& c, double cx, double cy) {
    SavedState saved(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, c.tile.angle * kPi / 180);
    cairo_scale(cr, c.tile.scale, c.tile.scale);
    cairo_translate(cr, -kCell / 2, -kCell / 2);
    DrawShape(cr, c.tile.shape, c.tile.style, c.tile.subLevel);
    const double faceY = c.tile.shape == 2 ? 26 : 21;
    {
        SavedState glyph(cr);
        cairo_translate(cr, kCell / 2, GlyphCentreY(c.tile.shape) + 9);
        cairo_scale(cr, 0.58, 0.58);
        cairo_translate(cr, -kCell / 2, -kCell / 2);
        if (c.tile.character != ' ') DrawGlyph(cr, studio, c.tile.character);
    }
    if (c.mood == Mood::Cool) {
        DrawShades(cr, kCell / 2, faceY, 6);
    } else {
        DrawEye(cr, kCell / 2 - 8, faceY, 6.5, c.lookX, c.lookY, c.mood);
        DrawEye(cr, kCell / 2 + 8, faceY, 6.5, c.lookX, c.lookY, c.mood);
    }
    if (c.mood == Mood::Sad || c.mood == Mood::Nervous || c.mood == Mood::Surprised) DrawBrows(cr, faceY, c.mood);
    if (c.mood == Mood::Sad) {
        const PathFn tear = Circle(kCell / 2 + 13, faceY + 9, 2.2);
        Fill(cr, tear, Hex(0x9FD8F0));
        Stroke(cr, tear, Hex(0x3A7FA0), 0.8);
    }
    if (c.mood == Mood::Nervous) {
        const PathFn drop = [](cairo_t* k) {
            cairo_new_sub_path(k);
            cairo_move_to(k, 52, 10);
            cairo_curve_to(k, 55, 15, 57, 17, 55.5, 19.5);
            cairo_curve_to(k, 54, 21.5, 50, 21.5, 49.5, 18.5);
            cairo_curve_to(k, 49.5, 16, 51, 14, 52, 10);
            cairo_close_path(k);
        };
        Fill(cr, drop, Hex(0x9FD8F0));
        Stroke(cr, drop, Hex(0x3A7FA0), 1);
    }
}

void DrawFingers(cairo_t* cr, double x, double y, int count, double size, Rgb colour, bool pointLeft) {
    for (int i = 0; i < count; ++i) {
        const double fy = y + i * size * 0.95;
        const PathFn tip = RoundedRect(pointLeft ? x - size * 1.3 : x, fy, size * 1.3, size, size / 2);
        FillShaded(cr, tip, ShadeOf(colour, 0.3, 0.2));
        Stroke(cr, tip, Darker(colour, 0.5), 1.2);
    }
}

void DrawSparkle(cairo_t* cr, double cx, double cy, double size, Rgb colour) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy - size);
    cairo_curve_to(cr, cx + size * 0.12, cy - size * 0.12, cx + size * 0.12, cy - size * 0.12, cx + size, cy);
    cairo_curve_to(cr, cx + size * 0.12, cy + size * 0.12, cx + size * 0.12, cy + size * 0.12, cx, cy + size);
    cairo_curve_to(cr, cx - size * 0.12, cy + size * 0.12, cx - size * 0.12, cy + size * 0.12, cx - size, cy);
    cairo_curve_to(cr, cx - size * 0.12, cy - size * 0.12, cx - size * 0.12, cy - size * 0.12, cx, cy - size);
    cairo_close_path(cr);
    SetColour(cr, colour);
    cairo_fill(cr);
}

void DrawBackdrop(cairo_t* cr, double cx, double cy, double radius) {
    Fill(cr, Circle(cx, cy, radius), Hex(0xF3F3F4));
    Stroke(cr, Circle(cx, cy, radius - 0.5), Hex(0xE6E6E8), 1);
}

void DrawKeycap(cairo_t* cr, const Studio& studio, double x, double y, double size, const char* label, double press) {
    const double depth = size * 0.14, sink = depth * press;
    Fill(cr, RoundedRect(x, y + depth, size, size, size * 0.16), Hex(0xB9B9BF));
    const PathFn top = RoundedRect(x, y + sink, size, size, size * 0.16);
    FillShaded(cr, top, {Hex(0xFAFAFA), Hex(0xFFFFFF), Hex(0xE4E4E8), 2, size * 0.08});
    Stroke(cr, top, Hex(0xA4A4AA), 1.2);
    DrawText(cr, label, x, y + sink, size, size * 0.9, studio.Title(size * 0.62, Hex(0x55555C)));
}

void HeartPath(cairo_t* cr, double cx, double cy, double width) {
    const double s = width / 21;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy + 9 * s);
    cairo_curve_to(cr, cx - 7 * s, cy + 3.5 * s, cx - 10.5 * s, cy - 0.5 * s, cx - 10.5 * s, cy - 3.8 * s);
    cairo_curve_to(cr, cx - 10.5 * s, cy - 7.4 * s, cx - 7.8 * s, cy - 9.5 * s, cx - 5 * s, cy - 9.5 * s);
    cairo_curve_to(cr, cx - 2.7 * s, cy - 9.5 * s, cx - 1 * s, cy - 8.2 * s, cx, cy - 6.2 * s);
    cairo_curve_to(cr, cx + 1 * s, cy - 8.2 * s, cx + 2.7 * s, cy - 9.5 * s, cx + 5 * s, cy - 9.5 * s);
    cairo_curve_to(cr, cx + 7.8 * s, cy - 9.5 * s, cx + 10.5 * s, cy - 7.4 * s, cx + 10.5 * s, cy - 3.8 * s);
    cairo_curve_to(cr, cx + 10.5 * s, cy - 0.5 * s, cx + 7 * s, cy + 3.5 * s, cx, cy + 9 * s);
    cairo_close_path(cr);
}

void GearPath(cairo_t* cr, double cx, double cy, double radius, int teeth) {
    cairo_new_sub_path(cr);
    const double inner = radius * 0.8;
    for (int i = 0; i < teeth * 4; ++i) {
        const double a = 2 * kPi * i / (teeth * 4.0);
        const bool out = (i % 4 == 1) || (i % 4 == 2);
        const double rr = out ? radius : inner;
        const double x = cx + rr * std::cos(a), y = cy + rr * std::sin(a);
        if (i == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
}

void DrawStreaks(cairo_t* cr, double cx, double top, double width, double length, Rgb colour) {
    SetColour(cr, colour);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 3; ++i) {
        const double x = cx + (i - 1) * width * 0.32, len = length * (i == 1 ? 1.0 : 0.7);
        cairo_new_path(cr);
        cairo_move_to(cr, x, top - len);
        cairo_line_to(cr, x, top);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
    }
}

void DrawBubble(cairo_t* cr, double x, double y, double w, double h, double tailX, double tailY, Rgb fill, Rgb edge) {
    const double bx = std::clamp(tailX, x + 14, x + w - 14);
    const PathFn bubble = [=](cairo_t* c) {
        RoundedRectPath(c, x, y, w, h, h * 0.4);
        cairo_new_sub_path(c);
        const double baseY = tailY > y ? y + h - 1 : y + 1;
        cairo_move_to(c, bx - 7, baseY);
        cairo_line_to(c, tailX, tailY);
        cairo_line_to(c, bx + 7, baseY);
        cairo_close_path(c);
    };
    Stroke(cr, bubble, edge, 3);
    Fill(cr, bubble, fill);
}

void DrawConfetti(cairo_t* cr, double x, double y, double w, double h, int count, std::uint32_t seed) {
    constexpr std::uint32_t colours[] = {0xFFD027, 0xF78E1D, 0xAC0000, 0x8E9A7A, 0x6F8FA3, 0xE0483E};
    Scatter scatter(seed);
    for (int i = 0; i < count; ++i) {
        const double px = x + scatter.Next() * w, py = y + scatter.Next() * h, a = scatter.Next() * kPi;
        const Rgb colour = Hex(colours[static_cast<int>(scatter.Next() * 6) % 6]);
        SavedState saved(cr);
        cairo_translate(cr, px, py);
        cairo_rotate(cr, a);
        Fill(cr, RoundedRect(-3, -1.5, 6, 3, 1), colour);
    }
}

}  // namespace glyphora::artgen
