// The play screen's pieces around the field: ground strip, HUD panel and side
// strip, bonus bar, free-game badge, life and TNT icons, and the blast line.
// Screen places (the game's): panel at (496, 0), side strip at (525, 135),
// ground strip at (150, 400), bonus bar at (0, 410), badge at (0, 413).
#include <cmath>
#include <cstdint>

#include "tools/artgen/cairo_handles.h"
#include "tools/artgen/hud_palette.h"
#include "tools/artgen/painters.h"
#include "tools/artgen/tiles.h"

namespace glyphora::artgen {
namespace {

constexpr double kPi = 3.14159265358979323846;

// HUD outline in screen pixels: the wide top part ends at y 150 with a rounded
// corner; below it the column's left edge runs at x 528.
constexpr double kWideBottom = 150, kColumnLeft = 528, kCorner = 14, kFillet = 10;

// The HUD silhouette as a path in screen coordinates (the painters translate).
void HudPath(cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 496, 0);
    cairo_line_to(cr, 720, 0);
    cairo_line_to(cr, 720, 460);
    cairo_line_to(cr, kColumnLeft, 460);
    cairo_line_to(cr, kColumnLeft, kWideBottom + kFillet);
    cairo_arc_negative(cr, kColumnLeft - kFillet, kWideBottom + kFillet, kFillet, 0, -kPi / 2);
    cairo_line_to(cr, 496 + kCorner, kWideBottom);
    cairo_arc(cr, 496 + kCorner, kWideBottom - kCorner, kCorner, kPi / 2, kPi);
    cairo_close_path(cr);
}

void DrawHudBody(cairo_t* cr, int s) {
    Fill(cr, HudPath, SubLevelPalette(s).panel);
    // One-step shade along the outline: a darker edge, a lighter line inside
    // it; both end where the column meets the ground strip (y 400).
    SavedState saved(cr);
    cairo_new_path(cr);
    HudPath(cr);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, 0, 720, 400);
    cairo_clip(cr);
    Stroke(cr, HudPath, PanelEdge(s), 4);
    cairo_translate(cr, 2, -2);
    Stroke(cr, HudPath, Lighter(SubLevelPalette(s).panel, 0.25), 2);
}

void PaintHudPanel(Canvases& canvases) {
    canvases.design2.Paint(regions::HudPanel, [](cairo_t* cr, regions::Frame frame, int) {
        const int s = frame.u;
        cairo_translate(cr, -496, 0);
        DrawHudBody(cr, s);
        // Plate behind "Level n" (x 555–675, y 25–85), tray behind the two
        // rows of life icons (x 569–665, y 83–134).
        FillInset(cr, RoundedRect(557, 22, 116, 50, 10), LevelPlate(s), 3, 0.1);
        FillInset(cr, RoundedRect(561, 79, 112, 61, 10), PanelInset(s), 3, 0.12);
        // Three small shape marks on the left of the panel.
        const Rgb mark = Mix(SubLevelPalette(s).panel, SubLevelPalette(s).level, 0.22);
        Fill(cr, Circle(521, 42, 9), mark);
        Fill(cr, RoundedRect(512, 66, 18, 18, 4), mark);
        Fill(cr, Polygon(521, 106, 10.5, 5, 0, 2), mark);
    });
    canvases.design2.Paint(regions::SideStrip, [](cairo_t* cr, regions::Frame frame, int) {
        const int s = frame.u;
        cairo_translate(cr, -525, -135);
        DrawHudBody(cr, s);
        // The column meets the ground strip (top at y 400) with a small fillet
        // that carries the edge line from one to the other.
        cairo_new_path(cr);
        cairo_move_to(cr, kColumnLeft, 403);
        cairo_line_to(cr, kColumnLeft - 7, 403);
        cairo_line_to(cr, kColumnLeft - 7, 400);
        cairo_arc_negative(cr, kColumnLeft - 7, 393, 7, kPi / 2, 0);
        cairo_close_path(cr);
        SetColour(cr, SubLevelPalette(s).panel);
        cairo_fill(cr);
        cairo_new_path(cr);
        cairo_arc_negative(cr, kColumnLeft - 7, 393, 8, kPi / 2, 0);
        SetColour(cr, PanelEdge(s));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    });
}

void PaintGroundStrip(Canvases& canvases) {
    canvases.design2.Paint(regions::GroundStrip, [](cairo_t* cr, regions::Frame frame, int) {
        const int s = frame.v;
        const SubLevelTones t = SubLevelPalette(s);
        // The top edge stops where the HUD column comes down (x 522 of the screen).
        const PathFn body = RoundedRect(0, 0, 600, 80, 10);
        Fill(cr, body, t.panel);
        {
            SavedState saved(cr);
            cairo_rectangle(cr, 0, 0, 372, 10);
            cairo_clip(cr);
            FillShaded(cr, body, {t.panel, PanelEdge(s), t.panel, 3, 0});
            cairo_translate(cr, 0, 3);
            FillShaded(cr, body, {t.panel, Lighter(t.panel, 0.25), t.panel, 2, 0});
        }
        // Word slot around x 300–500, y 417–442 of the screen.
        const Rgb slot = WordSlot(s);
        FillInset(cr, RoundedRect(144, 13, 212, 33, 8), slot, 3, 0.2);
        // Message well around x 538–700, y 406–450.
        const Rgb well = MessageWell(s);
        FillInset(cr, RoundedRect(388, 9, 156, 39, 8), well, 3, 0.2);
    });
}

// The plate under the bonus bar and the badge: panel colour with the same top
// edge as the ground strip, reaching off the window's left and bottom edges.
void DrawPlate(cairo_t* cr, int s, double right) {
    const Rgb panel = SubLevelPalette(s).panel;
    const PathFn plate = RoundedRect(-20, 0, right, 60, 10);
    FillShaded(cr, plate, {panel, PanelEdge(s), panel, 3, 0});
    SavedState saved(cr);
    cairo_translate(cr, 0, 3);
    cairo_rectangle(cr, -20, 0, right, 60);
    cairo_clip(cr);
    FillShaded(cr, plate, {panel, Lighter(panel, 0.25), panel, 2, 0});
}

// The bonus bar's plate with its track; `filled` paints the track full.
void DrawBonusBar(cairo_t* cr, const Studio& studio, int s, bool filled) {
    const SubLevelTones t = SubLevelPalette(s);
    DrawPlate(cr, s, 200);
    const PathFn track = RoundedRect(10, 12, 140, 20, 10);
    if (filled) {
        Shading shading = ShadeOf(BonusFill(s), 0.45, 0.2);
        shading.highlightRim = 3;
        FillShaded(cr, track, shading);
    } else {
        FillInset(cr, track, Darker(t.panel, 0.3), 4, 0.18);
    }
    const Rgb label = filled ? Darker(BonusFill(s), 0.55) : Lighter(Darker(t.panel, 0.3), 0.3);
    DrawText(cr, "BONUS", 10, 12, 140, 21, studio.Title(16, label));
}

void PaintBonusBar(Canvases& canvases, const Studio& studio) {
    canvases.design2.Paint(regions::BonusBarFilled, [&studio](cairo_t* cr, regions::Frame frame, int) {
        DrawBonusBar(cr, studio, frame.v, true);
    });
    canvases.design2.Paint(regions::BonusBarEmpty, [&studio](cairo_t* cr, regions::Frame frame, int) {
        DrawBonusBar(cr, studio, frame.v, false);
    });
}

void PaintFreeGameBadge(Canvases& canvases, Studio& studio) {
    canvases.design2.Paint(regions::FreeGameBadge, [&studio](cairo_t* cr, regions::Frame, int index) {
        const int s = index;  // frames are listed by sub-level
        const SubLevelTones t = SubLevelPalette(s);
        DrawPlate(cr, s, 205);
        FillInset(cr, RoundedRect(10, 9, 134, 24, 12), LevelPlate(s), 3, 0.1);
        studio.Label(cr, "FREE GAME", 10, 9, 134, 24, studio.Title(20, t.level), "free-game badge");
    });
}

void PaintLifeIcon(Canvases& canvases) {
    canvases.design2.Paint(regions::LifeIcon, [](cairo_t* cr, regions::Frame frame, int) {
        const int s = frame.v;
        const PathFn heart = [](cairo_t* c) {
            cairo_new_sub_path(c);
            cairo_move_to(c, 12, 20.5);
            cairo_curve_to(c, 4, 14.5, 1.5, 10.5, 1.5, 7.2);
            cairo_curve_to(c, 1.5, 3.6, 4.2, 1.5, 7, 1.5);
            cairo_curve_to(c, 9.3, 1.5, 11, 2.8, 12, 4.8);
            cairo_curve_to(c, 13, 2.8, 14.7, 1.5, 17, 1.5);
            cairo_curve_to(c, 19.8, 1.5, 22.5, 3.6, 22.5, 7.2);
            cairo_curve_to(c, 22.5, 10.5, 20, 14.5, 12, 20.5);
            cairo_close_path(c);
        };
        const Rgb colour = HeartColour(s);
        Shading shading = ShadeOf(colour, 0.35, 0.25);
        FillShaded(cr, heart, shading);
        Stroke(cr, heart, Darker(colour, 0.5), 1.4);
        Fill(cr, Circle(7, 6.5, 1.8), Lighter(colour, 0.7));
    });
}

void PaintTntChargeIcon(Canvases& canvases) {
    canvases.design2.Paint(regions::TntChargeIcon, [](cairo_t* cr, regions::Frame, int) {
        const PathFn stick = RoundedRect(3, 13, 12, 25, 2.5);
        FillShaded(cr, stick, ShadeOf(tone::HazardRed, 0.3, 0.3));
        Fill(cr, RoundedRect(3, 18, 12, 3, 0), Hex(0x1A1A1A));
        Fill(cr, RoundedRect(3, 30, 12, 3, 0), Hex(0x1A1A1A));
        Stroke(cr, stick, Hex(0x141414), 1.5);
        cairo_new_path(cr);
        cairo_move_to(cr, 9, 13);
        cairo_curve_to(cr, 9, 9, 12, 10, 12.5, 6.5);
        cairo_set_line_width(cr, 1.8);
        SetColour(cr, Hex(0x1E1E1E));
        cairo_stroke(cr);
        Fill(cr, Polygon(12.8, 5, 4, 8, 22.5, 0.5), Hex(0xFF9900));
        Fill(cr, Circle(12.8, 5, 1.8), Hex(0xFFF3A0));
    });
}

// A fixed linear congruential sequence: the blast's sparks are the same on every run.
class Sparks {
public:
    explicit Sparks(std::uint32_t seed) : state_(seed) {}
    double Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / static_cast<double>(1u << 24);
    }

private:
    std::uint32_t state_;
};

void PaintBlast(Canvases& canvases) {
    canvases.design2.Paint(regions::BlastAnimation, [](cairo_t* cr, regions::Frame frame, int) {
        Sparks sparks(7919u * (frame.v + 1));
        Fill(cr, RoundedRect(0, 1, 565, 8, 4), Hex(0xFF5A00), 0.45);
        Fill(cr, RoundedRect(0, 3, 565, 4, 2), Hex(0xFFB000), 0.9);
        Fill(cr, RoundedRect(0, 4, 565, 2, 1), Hex(0xFFF6C8));
        for (int i = 0; i < 46; ++i) {
            const double x = sparks.Next() * 565, size = 1.5 + sparks.Next() * 3;
            const Rgb colour = sparks.Next() < 0.5 ? Hex(0xFFF0A0) : Hex(0xFF7A00);
            Fill(cr, Polygon(x, 5, size, 4, 45 * (frame.v % 2), 0), colour);
        }
    });
}

}  // namespace

void PaintHud(Canvases& canvases, Studio& studio) {
    PaintHudPanel(canvases);
    PaintGroundStrip(canvases);
    PaintBonusBar(canvases, studio);
    PaintFreeGameBadge(canvases, studio);
    PaintLifeIcon(canvases);
    PaintTntChargeIcon(canvases);
    PaintBlast(canvases);
}

}  // namespace glyphora::artgen
