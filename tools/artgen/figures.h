// Figures shared by the menu pictures: letter tiles with faces, and the props
// around them. Everything is flat with one highlight and one shadow step.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "tools/artgen/colour.h"
#include "tools/artgen/studio.h"
#include "tools/artgen/tiles.h"

namespace glyphora::artgen {

enum class Mood { Happy, Surprised, Sad, Sleepy, Nervous, Cool, Wink };

// A letter tile that has come alive: its glyph moves down a little to make
// room for two eyes above it.
struct Character {
    Tile tile;
    Mood mood = Mood::Happy;
    double lookX = 0, lookY = 0;  // pupils' offset, −1…1
};
void DrawCharacter(cairo_t* cr, const Studio& studio, const Character& character, double cx, double cy);

// Fingers curled over an edge: `count` small rounded tips in a column at x.
void DrawFingers(cairo_t* cr, double x, double y, int count, double size, Rgb colour, bool pointLeft);

// A four-pointed sparkle.
void DrawSparkle(cairo_t* cr, double cx, double cy, double size, Rgb colour);
// A soft round backdrop that keeps a vignette together.
void DrawBackdrop(cairo_t* cr, double cx, double cy, double radius);
// A keyboard key with a letter, pressed down by `press` (0–1).
void DrawKeycap(cairo_t* cr, const Studio& studio, double x, double y, double size, const char* label, double press);
// A heart of a given width centred at (cx, cy).
void HeartPath(cairo_t* cr, double cx, double cy, double width);
// A gear with `teeth` teeth.
void GearPath(cairo_t* cr, double cx, double cy, double radius, int teeth);
// Speed lines trailing above a falling thing.
void DrawStreaks(cairo_t* cr, double cx, double top, double width, double length, Rgb colour);
// A speech bubble with its tail pointing at (tailX, tailY).
void DrawBubble(cairo_t* cr, double x, double y, double w, double h, double tailX, double tailY, Rgb fill, Rgb edge);
// Confetti scattered in a box, the same on every run for the same seed.
void DrawConfetti(cairo_t* cr, double x, double y, double w, double h, int count, std::uint32_t seed);

// A fixed linear congruential sequence for scattered details.
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : state_(seed) {}
    double Next();  // 0 ≤ value < 1

private:
    std::uint32_t state_;
};

}  // namespace glyphora::artgen
