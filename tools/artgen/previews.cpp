// The main menu's preview pictures (275 × 270, drawn at (210, 70)): one idle
// picture and one per button, each a small scene on a round backdrop. Their
// top rows stay clear: they overlap the header strip there.
#include <string>

#include "tools/artgen/cairo_handles.h"
#include "tools/artgen/figures.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/painters.h"
#include "tools/artgen/props.h"

namespace glyphora::artgen {
namespace {

namespace r = regions;

constexpr double kCx = 137.5, kCy = 148, kRadius = 114;
const Rgb kSpark = Hex(0xFFC61A);
const Rgb kArrow = Hex(0xB4B4BC);

void Backdrop(cairo_t* cr) { DrawBackdrop(cr, kCx, kCy, kRadius); }

// A raised hand waving: a round mitten with two motion marks.
void DrawWave(cairo_t* cr, double x, double y, Rgb colour) {
    const PathFn hand = Circle(x, y, 8);
    FillShaded(cr, hand, ShadeOf(colour, 0.3, 0.2));
    Stroke(cr, hand, Darker(colour, 0.5), 1.5);
    SetColour(cr, kArrow);
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 2; ++i) {
        cairo_new_path(cr);
        cairo_arc(cr, x, y, 13 + i * 5, 3.6, 4.4);
        cairo_stroke(cr);
    }
}

void PreviewIdle(cairo_t* cr, const Studio& studio) {
    Backdrop(cr);
    const char* word = "GLYPHORA";
    const int shapes[] = {0, 1, 2, 0, 1, 2, 0, 1};
    const int styles[] = {0, 4, 6, 1, 3, 9, 10, 13};
    const int levels[] = {0, 1, 0, 0, 2, 1, 4, 0};
    const double angles[] = {-8, 5, -4, 9, -6, 4, -10, 6};
    for (int i = 0; i < 8; ++i) {
        const double x = 52 + (i % 4) * 57, y = 120 + (i / 4) * 66 + (i % 2) * 6;
        DrawTile(cr, studio, {shapes[i], styles[i], levels[i], word[i], 0.86, angles[i]}, x, y);
    }
    DrawStreaks(cr, 98, 66, 22, 18, Hex(0xD0D0D6));
    DrawTile(cr, studio, {2, 14, 0, 'T', 0.5, 12}, 98, 76);
    DrawStreaks(cr, 196, 52, 22, 14, Hex(0xD0D0D6));
    DrawTile(cr, studio, {0, 5, 0, '7', 0.45, -20}, 196, 62);
}

void PreviewPlay(cairo_t* cr, const Studio& studio) {
    Backdrop(cr);
    DrawStreaks(cr, 70, 78, 30, 26, Hex(0xD0D0D6));
    DrawTile(cr, studio, {1, 3, 0, 'J', 0.7, -12}, 70, 96);
    DrawStreaks(cr, 212, 110, 30, 22, Hex(0xD0D0D6));
    DrawTile(cr, studio, {2, 9, 0, 'Q', 0.7, 10}, 212, 128);
    // The letter just caught: shrinking in a spin, with sparks.
    DrawTile(cr, studio, {0, 0, 0, 'K', 0.95, 24}, 140, 120);
    for (int i = 0; i < 4; ++i) DrawSparkle(cr, 110 + (i % 2) * 62, 88 + (i / 2) * 62, 6 + i % 2 * 3, kSpark);
    DrawCurvedArrow(cr, 140, 200, 140, 168, 0, 4, kArrow);
    DrawKeycap(cr, studio, 112, 204, 56, "K", 1);
}

void PreviewFreeGame(cairo_t* cr, const Studio& studio) {
    Backdrop(cr);
    const char* word = "FREE";
    const double xs[] = {70, 118, 164, 208}, ys[] = {120, 86, 104, 132};
    const int styles[] = {4, 10, 3, 8};
    for (int i = 0; i < 4; ++i)
        DrawTileBalloon(cr, studio, i % 3, styles[i], i == 1 ? 1 : 0, word[i], xs[i], ys[i], 0.78, 138, 240);
    Fill(cr, Circle(138, 240, 4), Hex(0x8C8C92));
    DrawSparkle(cr, 46, 70, 7, kSpark);
    DrawSparkle(cr, 232, 66, 9, kSpark);
}

void PreviewHighScores(cairo_t* cr, const Studio& studio) {
    Backdrop(cr);
    DrawConfetti(cr, 40, 40, 195, 70, 26, 77);
    DrawPodium(cr, studio, 50, 236, 176);
    DrawCharacter(cr, studio, {{0, 3, 0, 'B', 0.8, -6}, Mood::Happy, 0.3, -0.4}, 79, 171);
    DrawCharacter(cr, studio, {{2, 0, 1, 'A', 0.9, 0}, Mood::Cool, 0, 0}, 138, 147);
    DrawCharacter(cr, studio, {{1, 7, 0, 'C', 0.74, 6}, Mood::Happy, -0.3, -0.4}, 196, 187);
    DrawTrophy(cr, studio, 138, 86, 36);
}

void PreviewHelp(cairo_t* cr, const Studio& studio) {
    Backdrop(cr);
    DrawBubble(cr, 38, 52, 60, 46, 80, 112, Hex(0xFFFFFF), Hex(0xCFCFD6));
    DrawText(cr, "?", 38, 52, 60, 46, studio.Heavy(40, Hex(0x8C8C96)));
    DrawCharacter(cr, studio, {{1, 6, 0, 'A', 1.05, -6}, Mood::Surprised, 0.5, 0.5}, 104, 148);
    DrawKeycap(cr, studio, 170, 170, 58, "A", 0);
    DrawCurvedArrow(cr, 182, 164, 146, 126, -22, 4, kArrow);
    DrawSparkle(cr, 216, 92, 8, kSpark);
}

void PreviewSettings(cairo_t* cr, const Studio& studio) {
    Backdrop(cr);
    const double knobs[] = {150, 100, 176};
    for (int i = 0; i < 3; ++i) {
        const double x = 106 + i * 46;
        Fill(cr, RoundedRect(x - 5, 72, 10, 152, 5), Hex(0xDADADF));
        Fill(cr, RoundedRect(x - 5, knobs[i], 10, 224 - knobs[i], 5), tone::Yellow);
        DrawTile(cr, studio, {i % 3, 1 + i * 4, 0, ' ', 0.5, 0}, x, knobs[i]);
    }
    DrawSpeaker(cr, 56, 98, 44);
    DrawGear(cr, 58, 184, 24, 12);
}

void PreviewCredits(cairo_t* cr, const Studio& studio) {
    Backdrop(cr);
    DrawBigHeart(cr, 138, 130, 150);
    DrawCharacter(cr, studio, {{0, 6, 0, 'U', 0.78, -10}, Mood::Happy, 0.6, -0.2}, 60, 200);
    DrawCharacter(cr, studio, {{1, 10, 0, 'S', 0.78, 10}, Mood::Wink, -0.6, -0.2}, 216, 200);
    DrawSparkle(cr, 50, 70, 9, kSpark);
    DrawSparkle(cr, 226, 62, 7, kSpark);
    DrawSparkle(cr, 140, 46, 6, kSpark);
}

void PreviewQuit(cairo_t* cr, const Studio& studio) {
    Backdrop(cr);
    Fill(cr, RoundedRect(40, 226, 196, 6, 3), Hex(0xE2E2E6));
    DrawDoor(cr, 150, 94, 66, 132, 0.55);
    DrawCharacter(cr, studio, {{2, 8, 0, 'Z', 0.9, -8}, Mood::Wink, -0.6, -0.3}, 100, 190);
    DrawWave(cr, 76, 166, StyleColour(8, 0));
    DrawBubble(cr, 42, 62, 82, 44, 88, 140, Hex(0xFFFFFF), Hex(0xCFCFD6));
    DrawText(cr, "BYE!", 42, 62, 82, 44, studio.Heavy(30, Hex(0x8C8C96)));
}

}  // namespace

void PaintPreviews(Canvases& canvases, Studio& studio) {
    using Painter = void (*)(cairo_t*, const Studio&);
    const struct {
        const r::Region* region;
        Painter paint;
    } previews[] = {
        {&r::MenuPreviewIdle, PreviewIdle},         {&r::MenuPreviewPlay, PreviewPlay},
        {&r::MenuPreviewFreeGame, PreviewFreeGame}, {&r::MenuPreviewHighScores, PreviewHighScores},
        {&r::MenuPreviewHelp, PreviewHelp},         {&r::MenuPreviewSettings, PreviewSettings},
        {&r::MenuPreviewCredits, PreviewCredits},   {&r::MenuPreviewQuit, PreviewQuit},
    };
    for (const auto& preview : previews) {
        const Painter paint = preview.paint;
        canvases.design1.Paint(*preview.region, [&studio, paint](cairo_t* cr, r::Frame, int) { paint(cr, studio); });
    }
}

}  // namespace glyphora::artgen
