// Play-screen mock-ups, one per sub-level, composed as the game draws them.
#include <string>

#include "tools/artgen/hud_palette.h"
#include "tools/artgen/mockup_screens.h"
#include "tools/artgen/tiles.h"

namespace glyphora::artgen {
namespace {

namespace r = regions;

struct MockItem {
    int shape, style;
    char key;
    double x, y, angle;
};

constexpr MockItem kItems[] = {
    {0, 0, 'G', 40, 60, 0},     {1, 3, 'L', 130, 120, 20},   {2, 5, 'Y', 230, 40, -35},  {0, 14, 'T', 330, 170, 60},
    {2, 8, 'P', 60, 230, 180},  {1, 11, 'H', 170, 300, -70}, {0, 6, 'O', 280, 330, 10},  {2, 13, 'R', 380, 280, 95},
    {1, 14, 'A', 400, 60, -15}, {0, 9, '6', 120, 380, 170},  {1, 2, 'M', 250, 200, 200}, {2, 1, '9', 30, 330, 35},
    {0, 12, 'W', 380, 345, 0},
};

int GlyphIndex(char key) { return key >= 'A' && key <= 'Z' ? key - 'A' : 26 + (key - '0'); }

void DrawItems(Mockup& m, int s) {
    for (const MockItem& item : kItems) {
        const r::Region* shapes[] = {&r::ItemShapes1, &r::ItemShapes2, &r::ItemShapes3};
        const double cx = item.x + 32.5, cy = item.y + 32.5;
        m.DrawTurned(*shapes[item.shape], item.style, s, cx, cy, item.angle);
        const int i = GlyphIndex(item.key);
        const r::Region& glyphs = item.shape == 2 ? r::LetterGlyphsOnShape3 : r::LetterGlyphs;
        m.DrawTurned(glyphs, i % 7, i / 7, cx, cy, item.angle);
    }
}

struct PlayState {
    int s = 0;
    bool freeGame = false;
    std::string message;
    int tntCharges = 2, lives = 6, level = 1;
    double fill = 430, blastY = -1;
};

void DrawHudText(Mockup& m, const PlayState& p, const SubLevelTones& t) {
    // The typed part is the word's left part in the typed colour.
    const TextStyle style = m.studio().Title(30 * 0.85, t.word);
    const double whole = TextWidth(m.cr(), "GLYPH", style), typed = TextWidth(m.cr(), "GLY", style);
    m.Text("GLYPH", 300, 417, 500, 442, t.word, 30);
    cairo_save(m.cr());
    cairo_rectangle(m.cr(), 0, 0, 400 - whole / 2 + typed + 1, 450);
    cairo_clip(m.cr());
    m.Text("GLYPH", 300, 417, 500, 442, t.typed, 30);
    cairo_restore(m.cr());
    m.Text("12840", 540, 230, 700, 270, t.score, 36);
    m.Text("20", 540, 270, 700, 310, t.letterValue, 36);
    m.Text("Level " + std::to_string(p.level), 555, 25, 675, 85, t.level, 40);
    if (!p.message.empty()) m.Text(p.message, 538, 406, 700, 450, t.message, 28);
}

void DrawLives(Mockup& m, int s, int lives) {
    const int first = lives < 4 ? lives : 4;
    for (int i = 0; i < first; ++i) m.Draw(r::LifeIcon, 617 - static_cast<int>(first / 2.0 * 24) + 24 * i, 83, 0, s);
    const int second = lives - first;
    for (int i = 0; i < second; ++i) m.Draw(r::LifeIcon, 617 - static_cast<int>(second / 2.0 * 24) + 24 * i, 111, 0, s);
}

void DrawPlay(Mockup& m, const PlayState& p) {
    const int s = p.s;
    const SubLevelTones t = SubLevelPalette(s);
    m.Clear(t.background);
    if (p.blastY >= 0) m.Draw(r::BlastAnimation, 0, p.blastY, 0, 1);
    m.Draw(r::GroundStrip, 150, 400, 0, s);
    if (p.freeGame) {
        const r::Frame f = r::kFreeGameBadgeFrames[s];
        m.Draw(r::FreeGameBadge, 0, 413, f.u, f.v);
    }
    m.Draw(r::HudPanel, 496, 0, s, 0);
    m.Draw(r::SideStrip, 525, 135, s, 0);
    m.FillRect(540, 190, 700, 400, t.panel);
    DrawItems(m, s);
    if (!p.freeGame) {
        const int filled = static_cast<int>(p.fill * 160 / 700);
        const int empty = static_cast<int>((1 - p.fill / 700) * 160);
        m.DrawAt(r::BonusBarFilled, 160, 605 + 40 * s, filled, 40, 0, 410);
        m.DrawAt(r::BonusBarEmpty, 320 + filled, 605 + 40 * s, empty, 40, filled, 410);
    }
    DrawHudText(m, p, t);
    DrawLives(m, s, p.lives);
    if (p.message.empty()) {
        const int width = p.tntCharges * 22 - 4;
        for (int i = 0; i < p.tntCharges; ++i) m.Draw(r::TntChargeIcon, 620 - width / 2 + 22 * i, 408, 0, s);
    }
    m.Border(Hex(0x000000));
}

}  // namespace

std::vector<NamedMockup> PlayMockups() {
    std::vector<NamedMockup> mockups;
    for (int s = 0; s < 5; ++s) {
        PlayState p;
        p.s = s;
        p.level = s + 1;
        p.lives = 3 + s;
        p.tntCharges = 1 + s % 3;
        if (s == 1) p.message = "TNT!";
        if (s == 3) p.message = "Don't Panic!";
        if (s == 2) p.blastY = 250;
        mockups.push_back({"play-level-" + std::to_string(s + 1),
                           [p](Mockup& m) { DrawPlay(m, p); },
                           {{0, 0, 460, 450, 2}, {0, 360, 700, 90, 2}, {480, 0, 220, 420, 2}}});
    }
    PlayState free;
    free.s = 3;
    free.freeGame = true;
    free.level = 16;
    mockups.push_back({"play-free-game", [free](Mockup& m) { DrawPlay(m, free); }});
    return mockups;
}

// Every glyph on every shape, turned a little, on the first two sub-levels.
void DrawGlyphChart(Mockup& m) {
    m.Clear(Hex(0xFFFFFF));
    const r::Region* shapes[] = {&r::ItemShapes1, &r::ItemShapes2, &r::ItemShapes3};
    for (int i = 0; i < r::kGlyphCount; ++i) {
        const int shape = i % 3, s = (i / 12) % 5, style = (i * 5) % 15;
        const double cx = 35 + (i % 10) * 68, cy = 36 + (i / 10) * 70;
        m.DrawTurned(*shapes[shape], style, s, cx, cy, (i % 4) * 7.0);
        m.DrawTurned(shape == 2 ? r::LetterGlyphsOnShape3 : r::LetterGlyphs, i % 7, i / 7, cx, cy, (i % 4) * 7.0);
    }
    for (int shape = 0; shape < 3; ++shape) {
        for (int s = 0; s < 5; ++s) {
            const double cx = 40 + (s + shape * 5) * 44 + (s % 2) * 0, cy = 330 + (s % 2) * 70;
            m.FillRect(cx - 22, cy - 35, cx + 22, cy + 35, SubLevelBackground(s));
            m.DrawTurned(*shapes[shape], 14, s, cx, cy, 0);
            m.DrawTurned(shape == 2 ? r::LetterGlyphsOnShape3 : r::LetterGlyphs, 5, 2, cx, cy, 0);
        }
    }
}

std::vector<NamedMockup> AllMockups() {
    std::vector<NamedMockup> all = PlayMockups();
    all.push_back({"glyph-chart", DrawGlyphChart, {{0, 0, 700, 290, 2}, {0, 290, 700, 160, 2}}});
    for (NamedMockup& mockup : MenuMockups()) all.push_back(std::move(mockup));
    return all;
}

}  // namespace glyphora::artgen
