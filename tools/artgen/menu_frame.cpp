// The frame of the menu screens: header strip (caps, title tabs, fill),
// corner pictures, footer band, and the captions of the free-game and
// high-score screens.
#include <string>

#include "tools/artgen/cairo_handles.h"
#include "tools/artgen/figures.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/painters.h"

namespace glyphora::artgen {
namespace {

namespace r = regions;

constexpr double kBandHeight = 52;
const Rgb kBandFace = Hex(0xF1F1F2);
const Rgb kCaption = Hex(0x8C8C92);

// The header band: flat, the same in every column so that its pieces tile.
void DrawBand(cairo_t* cr, double width) {
    cairo_rectangle(cr, 0, 0, width, kBandHeight);
    SetColour(cr, kBandFace);
    cairo_fill(cr);
    const struct {
        double y, h;
        std::uint32_t colour;
    } lines[] = {{0, 1, 0xDCDCE0}, {1, 1, 0xFFFFFF}, {kBandHeight - 4, 2, 0xE2E2E6}, {kBandHeight - 2, 2, 0xCACACF}};
    for (const auto& line : lines) {
        cairo_rectangle(cr, 0, line.y, width, line.h);
        SetColour(cr, Hex(line.colour));
        cairo_fill(cr);
    }
}

struct TitleTab {
    const r::Region* region;
    const char* title;
};

constexpr TitleTab kTabs[] = {
    {&r::HeaderTabMainMenu, "GLYPHORA"},      {&r::HeaderTabQuit, "QUIT"},          {&r::HeaderTabCredits, "CREDITS"},
    {&r::HeaderTabSettings, "SETTINGS"},      {&r::HeaderTabFreeGame, "FREE GAME"}, {&r::HeaderTabPlay, "PLAY"},
    {&r::HeaderTabHighScores, "HIGH SCORES"}, {&r::HeaderTabHelp, "HOW TO PLAY"},   {&r::GameOverTab, "GAME OVER"},
};

// A title on the band with a yellow marker under it and an etched divider
// where the tab meets the fill.
void DrawTab(cairo_t* cr, Studio& studio, double width, const std::string& title, const std::string& where) {
    DrawBand(cr, width);
    const TextStyle style = studio.Title(40, tone::TitleGrey, Align::Left);
    const double textWidth = TextWidth(cr, title, style);
    studio.Label(cr, title, 14, 4, width - 20, kBandHeight - 10, style, where);
    Fill(cr, RoundedRect(13, kBandHeight - 8, textWidth + 2, 4, 2), tone::Yellow);
    Fill(cr, RoundedRect(width - 2, 12, 1, kBandHeight - 24, 0), Hex(0xD8D8DC));
    Fill(cr, RoundedRect(width - 1, 12, 1, kBandHeight - 24, 0), Hex(0xFFFFFF));
}

void PaintHeader(Canvases& canvases, Studio& studio) {
    canvases.design1.Paint(r::HeaderFill, [](cairo_t* cr, r::Frame, int) { DrawBand(cr, 177); });
    canvases.design1.Paint(r::HeaderCapShort, [&studio](cairo_t* cr, r::Frame, int) {
        DrawBand(cr, 44);
        DrawTile(cr, studio, {0, 0, 0, 'G', 0.56, -8}, 23, 25);
    });
    for (const TitleTab& tab : kTabs) {
        const r::Region& region = *tab.region;
        const std::string title = tab.title;
        canvases.Of(region.sheet).Paint(region, [&studio, &region, title](cairo_t* cr, r::Frame, int) {
            DrawTab(cr, studio, region.w, title, region.name);
        });
    }
}

// Fallen letters lying along the bottom: silhouettes in the footer's grey that
// grow out of the filled area below the band.
void PaintFooter(Canvases& canvases) {
    canvases.design1.Paint(r::FooterBand, [](cairo_t* cr, r::Frame, int) {
        Scatter scatter(2024);
        cairo_rectangle(cr, 0, 16, 700, 4);
        SetColour(cr, tone::Footer);
        cairo_fill(cr);
        for (double x = 6; x < 700;) {
            const double size = 9 + scatter.Next() * 9;
            const int shape = static_cast<int>(scatter.Next() * 3) % 3;
            const double cy = 18 - size * 0.35;
            PathFn path = shape == 0   ? Circle(x + size / 2, cy + 2, size / 2)
                          : shape == 1 ? RoundedRect(x, cy - size / 2 + 2, size, size, size * 0.2)
                                       : Polygon(x + size / 2, cy + 3, size * 0.55, 5, scatter.Next() * 30, 1.5);
            Stroke(cr, path, Hex(0xD9D9DD), 2);
            Fill(cr, path, tone::Footer);
            x += size + 2 + scatter.Next() * 10;
        }
        cairo_rectangle(cr, 0, 17, 700, 3);
        SetColour(cr, tone::Footer);
        cairo_fill(cr);
    });
}

void PaintFreeGameCaptions(Canvases& canvases, Studio& studio) {
    // Rows are the five sub-levels (toggle rows centred at y 164 + 41 r on the
    // screen); the marker beside each shows that sub-level's colour.
    canvases.design1.Paint(r::FreeGameRowCaptions, [&studio](cairo_t* cr, r::Frame, int) {
        constexpr std::uint32_t colours[] = {0xFFFFFF, 0xFFD027, 0xF78E1D, 0xAC0000, 0x000000};
        for (int row = 0; row < 5; ++row) {
            const double cy = 10 + 41 * row;
            studio.Label(cr, "LEVEL " + std::to_string(row + 1), 0, cy - 9, 39, 18,
                         studio.Title(17, kCaption, Align::Right), "FreeGameRowCaptions");
            const PathFn dot = RoundedRect(42.5, cy - 3.5, 7, 7, 2);
            Fill(cr, dot, Hex(colours[row]));
            Stroke(cr, dot, Hex(0xB0B0B6), 1);
        }
    });
    // Columns: letters and digits, centred over the toggle boxes (x 162 and 203).
    canvases.design1.Paint(r::FreeGameColumnCaptions, [&studio](cairo_t* cr, r::Frame, int) {
        studio.Label(cr, "ABC", 0, 0, 20, 19, studio.Title(17, kCaption), "FreeGameColumnCaptions");
        studio.Label(cr, "123", 41, 0, 20, 19, studio.Title(17, kCaption), "FreeGameColumnCaptions");
    });
}

void PaintGroupNumbers(Canvases& canvases, Studio& studio) {
    canvases.design2.Paint(r::GroupNumbers, [&studio](cairo_t* cr, r::Frame frame, int) {
        studio.Label(cr, "GROUP " + std::to_string(frame.v + 1), 0, 0, 58, 22, studio.Title(20, kCaption, Align::Right),
                     "GroupNumbers");
    });
}

}  // namespace

void PaintMenuFrame(Canvases& canvases, Studio& studio) {
    PaintHeader(canvases, studio);
    PaintFooter(canvases);
    PaintCorners(canvases, studio);
    PaintFreeGameCaptions(canvases, studio);
    PaintGroupNumbers(canvases, studio);
}

}  // namespace glyphora::artgen
