#pragma once
// Pages of text lines that appear one after another on a game-clock
// timeline: shown at once, typed out a character at a time, or faded in from
// white. Each line owns its font, made when the page is built, so that
// playing a page creates and rasterises nothing; a page is laid out once
// after it is built.
#include <array>
#include <forward_list>
#include <string>

#include "game/engine/text.h"

namespace glyphora {

enum CreditEffect : int {
    kCreditNoEffect = -1,   // finished at once, draws nothing
    kCreditPlain = 0,       // shown whole as soon as visible
    kCreditTypewriter = 1,  // one more character every interval ms
    kCreditFadeIn = 2,      // from white to its colour over interval ms
};

struct CreditLine {
    std::string text;
    Font font;             // none for a line without effect, which never draws
    bool started = false;  // processed in this visit: startTick holds the first processing's time
    int startTick = 0;     // GameTime
    Colour colour = 0;
    int x = 0, y = 0;  // relative to the previous line where the flags below say so, resolved by the layout
    int effect = kCreditNoEffect;
    int delay = 0;                // ms after startTick before the line shows
    int pageDelay = 0;            // the line also waits until the visit's start + pageDelay
    int interval = 0;             // typewriter: ms per character; fade-in: its duration
    int shownChars = 0;           // typewriter: characters shown besides the first
    int lastCharTime = 0;         // typewriter: ms after startTick at which the last character came
    bool xAfterPrevious = false;  // x is an offset from the previous line's right edge
    bool yBelowPrevious = false;  // y is an offset from the previous line's bottom edge
    int format = DT_LEFT;         // DT_LEFT or DT_CENTER
};

// The lines of a page in reading order.
struct CreditPage {
    std::forward_list<CreditLine> lines;
};

inline constexpr int kCreditPageCount = 6;

// The pages of the credits and which of them finished in this visit.
struct CreditPages {
    std::array<CreditPage, kCreditPageCount> pages;
    std::array<bool, kCreditPageCount> done{};
};

// Resolves the relative positions, once after building: each line is
// measured in its rectangle (x, y, x + 700, y + 450) with its font, and the
// next line's x and y take the measured right and bottom edges when its
// flags ask for them. Positions chain down the page.
void LayOutCreditPage(CreditPage& page);

// Every line back to unprocessed, with no character typed.
void ResetCreditPage(CreditPage& page);

// Draws one frame of the page at now, for a visit that began at visitStart,
// and returns true when every line has finished. A line with no delay starts
// with the page; a line with a delay waits for the line before it to finish
// and then for its delay. A line that is not yet visible draws nothing and is
// not finished; a typewriter line shows its first character at once and
// finishes one interval after its last; a fade-in line finishes when it
// reaches its colour.
bool PlayCreditPage(Renderer& renderer, CreditPage& page, int now, int visitStart);

}  // namespace glyphora
