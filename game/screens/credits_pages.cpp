#include "game/screens/credits_pages.h"

#include "game/engine/credit_lines.h"
#include "game/engine/title_font.h"
#include "game/shell/game.h"

namespace glyphora {

// The credits' words. Entries are centred; a "\n" breaks one into two lines,
// and the next entry goes below both.
const std::array<CreditPageText, kCreditPageCount> kCreditTexts = {{
    {"GLYPHORA ",
     "IS MADE BY",
     "The Glyphora team",
     {"Game design and programming", "Pictures, animation and the manual", "Music and sound effects",
      "Word list, testing and the score server"}},
    {"THE ",
     "SOUND",
     "Heard in every game",
     {"OpenAL Soft  -  GNU LGPL 2 or later", "libvorbis  -  BSD licence, Copyright Xiph.Org Foundation",
      "Music rendered by FluidSynth  -  GNU LGPL 2.1 or later\n"
      "with the Fluid R3 GM SoundFont by Frank Wen  -  MIT licence"}},
    {"THE ",
     "PICTURES",
     "Drawn, shown and sent",
     {"SDL2  -  zlib licence\nlibpng  -  libpng licence",
      "cairo  -  GNU LGPL 2.1 or MPL 1.1\nlibcurl  -  curl licence"}},
    {"THE ",
     "LETTERS",
     "Set in Bebas Neue",
     {"Bebas Neue by Ryoichi Tsunekawa, Dharma Type", "SIL Open Font Licence 1.1",
      "FreeType  -  portions Copyright The FreeType Project", "fontconfig  -  MIT-style licence"}},
    {"THE ",
     "WORDS",
     "Chosen by how often we say them",
     {"Word frequencies: SUBTLEXus, Brysbaert and New (2009),\n51 million words of film and TV subtitles",
      "Spelling checked against SCOWL, Debian's wamerican list"}},
    // The first entry is a blank: the finale picture, a thank-you, takes its
    // place once the credits have run for a minute, which is while this
    // page's subheading types.
    {"AND ",
     "YOU",
     "Our players",
     {" ", "for every letter caught and every word typed", "for every bug report and every idea",
      "See you on the high-score table!"}},
}};

const std::array<CreditPageTiming, kCreditPageCount> kCreditTimings = {{
    {30, 2000, 4, 2000, 1000, 1000},
    {30, 600, 3, 1800, 2000, 1000},
    {15, 1000, 2, 2500, 2000, 1000},
    {30, 1400, 4, 2200, 2000, 2000},
    {30, 2000, 2, 2500, 1000, 1000},
    {30, 1400, 4, 2200, 2000, 2000},
}};

namespace {

constexpr int kHeadingHeight = 40;
constexpr int kBodyHeight = 27;
constexpr Colour kHeadingFirstColour = 0xFF6E6E74;
constexpr Colour kHeadingSecondColour = 0xFFCACAD0;
constexpr Colour kSubheadingColour = 0xFFCDCDD3;
constexpr Colour kEntryColour = 0xFF8C8C92;

// How a line is made, before its font and text.
struct LineForm {
    int height;
    Colour colour;
    int x, y;
    int effect;
    int delay;
    int interval;
    bool xAfterPrevious, yBelowPrevious;
    int format;
};

class PageBuilder {
public:
    PageBuilder(Game& game, CreditPage& page) : game_(game), page_(page), last_(page.lines.before_begin()) {}

    void add(std::string_view text, const LineForm& form) {
        last_ = page_.lines.emplace_after(last_);
        CreditLine& line = *last_;
        line.text = text;
        line.colour = form.colour;
        line.x = form.x;
        line.y = form.y;
        line.effect = form.effect;
        line.delay = form.delay;
        line.interval = form.interval;
        line.xAfterPrevious = form.xAfterPrevious;
        line.yBelowPrevious = form.yBelowPrevious;
        line.format = form.format;
        if (form.effect != kCreditNoEffect)
            MakeFont(game_.platform.fonts, game_.renderer, line.font, kTitleFace, form.height, false);
    }

private:
    Game& game_;
    CreditPage& page_;
    std::forward_list<CreditLine>::iterator last_;
};

void BuildPage(Game& game, CreditPage& page, const CreditPageText& text, const CreditPageTiming& timing,
               bool firstPage) {
    PageBuilder lines(game, page);
    lines.add("", {0, 0, 0, 0, kCreditNoEffect, 0, 0, false, false, DT_LEFT});
    lines.add(text.headingFirst, {kHeadingHeight, kHeadingFirstColour, kCreditHeadingX, kCreditHeadingY,
                                  kCreditTypewriter, 0, timing.headingMsPerChar, false, false, DT_LEFT});
    lines.add(text.headingSecond, {kHeadingHeight, kHeadingSecondColour, 0, kCreditHeadingY, kCreditTypewriter,
                                   timing.headingDelay, kCreditHeadingSecondMsPerChar, true, false, DT_LEFT});
    lines.add(text.subheading, {kBodyHeight, kSubheadingColour, kCreditHeadingX, -kCreditSubheadingRaise,
                                kCreditTypewriter, 0, kCreditSubheadingMsPerChar, false, true, DT_LEFT});
    for (int i = 0; i < timing.entryCount; ++i) {
        const bool first = i == 0;
        lines.add(text.entries[static_cast<std::size_t>(i)],
                  {kBodyHeight, kEntryColour, 0, first ? kCreditFirstEntryGap : kCreditEntryGap, kCreditFadeIn,
                   first ? timing.firstEntryDelay : 1, first ? timing.firstEntryFade : timing.otherEntryFade, false,
                   true, DT_CENTER});
    }
    lines.add(firstPage ? "" : " ",
              {kBodyHeight, kEntryColour, 0, 0, kCreditFadeIn, 1, kCreditClosingFade, false, false, DT_CENTER});
}

}  // namespace

void BuildCreditPages(Game& game) {
    CreditPages& credits = game.credits;
    for (int i = 0; i < kCreditPageCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        BuildPage(game, credits.pages[k], kCreditTexts[k], kCreditTimings[k], i == 0);
        LayOutCreditPage(credits.pages[k]);
    }
}

void ResetCreditPages(Game& game) {
    for (CreditPage& page : game.credits.pages) ResetCreditPage(page);
    game.credits.done.fill(false);
}

void FreeCreditPages(Game& game) {
    for (CreditPage& page : game.credits.pages) {
        for (CreditLine& line : page.lines) DestroyFont(line.font);
        page.lines.clear();
    }
}

}  // namespace glyphora
