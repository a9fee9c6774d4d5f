#include "tools/tour/tour_credits.h"

#include <iterator>
#include <string>

#include "common/elapsed.h"
#include "game/shell/game_clock.h"
#include "game/shell/screens.h"

namespace glyphora::tour {
namespace {

constexpr int kSubheadingLine = 3;  // after the empty line and the heading's two parts

CreditPage& PageOf(Game& game, int p) { return game.credits.pages[static_cast<std::size_t>(p)]; }

bool Playing(Game& game, int p) {
    return !game.credits.done[static_cast<std::size_t>(p)] &&
           (p == 0 || game.credits.done[static_cast<std::size_t>(p - 1)]);
}

// Frames of 16 ms until done says so; false when a minute and a half of the
// credits went by first.
template <typename Done>
bool AdvanceUntil(TourHarness& tour, Done done) {
    Game& game = tour.game();
    while (!done(game)) {
        if (Elapsed(GameTime(game), game.screen.creditsStart) > 90000) return false;
        tour.advance(16);
    }
    return true;
}

bool SubheadingHalfTyped(Game& game, int p) {
    if (!Playing(game, p)) return false;
    const CreditLine& line = *std::next(PageOf(game, p).lines.begin(), kSubheadingLine);
    return (line.shownChars + 1) * 2 >= static_cast<int>(line.text.size());
}

// Every entry is in once the closing line has begun its pause.
bool EntriesIn(Game& game, int p) {
    if (!Playing(game, p)) return false;
    const CreditLine* last = nullptr;
    for (const CreditLine& line : PageOf(game, p).lines) last = &line;
    return last && last->started;
}

bool Credits(TourHarness& tour) {
    tour.startUp();
    Game& game = tour.game();
    SwitchScreen(game, ScreenKind::Credits);
    bool ok = true;
    for (int p = 0; p < kCreditPageCount; ++p) {
        const std::string name = "credits-page-" + std::to_string(p + 1);
        ok = AdvanceUntil(tour, [p](Game& g) { return SubheadingHalfTyped(g, p); }) && tour.capture(name + "-typing") &&
             ok;
        ok = AdvanceUntil(tour, [p](Game& g) { return EntriesIn(g, p); }) && tour.capture(name) && ok;
    }
    ok = AdvanceUntil(tour, [](Game& g) { return g.credits.done[kCreditPageCount - 1]; }) && ok;
    tour.advance(100);
    return tour.capture("credits-finale") && ok;
}

}  // namespace

void AddCreditsScenes(std::vector<Scene>& scenes) { scenes.push_back({"credits", Credits}); }

}  // namespace glyphora::tour
