// Corner pictures of the menu screens (130 × 110, over the header strip) and
// the main menu's preview pictures (275 × 270, one per button and one idle).
#include <string>

#include "tools/artgen/cairo_handles.h"
#include "tools/artgen/figures.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/painters.h"
#include "tools/artgen/props.h"

namespace glyphora::artgen {
namespace {

namespace r = regions;

const Rgb kSpark = Hex(0xFFC61A);

// Corner emblem: a round light badge over the header band, the picture on it.
void Emblem(cairo_t* cr) {
    Fill(cr, Circle(65, 56, 50), Hex(0xFFFFFF));
    Stroke(cr, Circle(65, 56, 49), Hex(0xDCDCE0), 2);
    Fill(cr, Circle(65, 56, 44), Hex(0xF6F6F7));
}

void CornerGameOver(cairo_t* cr, const Studio& studio) {
    Emblem(cr);
    DrawCharacter(cr, studio, {{0, 12, 0, 'X', 1.15, -14}, Mood::Sad, -0.2, 0.6}, 62, 56);
    Fill(cr, RoundedRect(30, 92, 70, 5, 2.5), Hex(0xE2E2E6));
}

void CornerHighScores(cairo_t* cr, const Studio& studio) {
    Emblem(cr);
    DrawTrophy(cr, studio, 65, 62, 68);
    DrawSparkle(cr, 30, 30, 7, kSpark);
    DrawSparkle(cr, 100, 40, 5, kSpark);
}

void CornerFreeGame(cairo_t* cr, const Studio& studio) {
    Emblem(cr);
    DrawTileBalloon(cr, studio, 0, 4, 1, 'F', 38, 46, 0.46, 64, 96);
    DrawTileBalloon(cr, studio, 1, 10, 0, 'R', 65, 30, 0.46, 65, 96);
    DrawTileBalloon(cr, studio, 2, 3, 0, 'E', 92, 46, 0.46, 66, 96);
}

void CornerSettings(cairo_t* cr, const Studio&) {
    Emblem(cr);
    DrawGear(cr, 56, 62, 31, 8);
    DrawGear(cr, 92, 34, 17, 20);
}

void CornerHelp(cairo_t* cr, const Studio& studio) {
    Emblem(cr);
    DrawCharacter(cr, studio, {{2, 10, 0, '?', 1.2, 8}, Mood::Surprised, 0.4, -0.6}, 64, 56);
}

void CornerCredits(cairo_t* cr, const Studio&) {
    Emblem(cr);
    DrawBigHeart(cr, 65, 60, 64);
    DrawSparkle(cr, 27, 36, 7, kSpark);
    DrawSparkle(cr, 104, 34, 6, kSpark);
    DrawSparkle(cr, 98, 86, 4, kSpark);
}

}  // namespace

void PaintCorners(Canvases& canvases, Studio& studio) {
    using Painter = void (*)(cairo_t*, const Studio&);
    const struct {
        const r::Region* region;
        Painter paint;
    } corners[] = {
        {&r::CornerGameOver, CornerGameOver}, {&r::CornerHighScores, CornerHighScores},
        {&r::CornerFreeGame, CornerFreeGame}, {&r::CornerSettings, CornerSettings},
        {&r::CornerHelp, CornerHelp},         {&r::CornerCredits, CornerCredits},
    };
    for (const auto& corner : corners) {
        const Painter paint = corner.paint;
        canvases.design1.Paint(*corner.region, [&studio, paint](cairo_t* cr, r::Frame, int) { paint(cr, studio); });
    }
}

}  // namespace glyphora::artgen
