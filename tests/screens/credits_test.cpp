// The credits: timed lines on pages of their own making (fake fonts: every
// character is height / 2 wide), then the game's six pages on the credits
// screen.
#include "game/engine/credit_lines.h"

#include <string>
#include <vector>

#include "engine/game_on_fakes.h"
#include "game/engine/title_font.h"
#include "game/screens/credits_pages.h"
#include "game/screens/credits_screen.h"
#include "game/shell/game_clock.h"
#include "game/shell/screen_buttons.h"
#include "game/shell/screens.h"
#include "menu_fixture.h"
#include "platform/keys.h"

namespace glyphora {
namespace {

constexpr int kT0 = 5000;  // the visit's start on the game clock

class CreditLines : public testing::GameOnFakes {
protected:
    struct Form {
        std::string text;
        int height = 20;
        int effect = kCreditPlain;
        int delay = 0;
        int interval = 0;
        int x = 0, y = 0;
        bool xAfterPrevious = false, yBelowPrevious = false;
        int format = DT_LEFT;
    };
    CreditLine& add(const Form& form) {
        last_ = page.lines.emplace_after(last_);
        CreditLine& line = *last_;
        line.text = form.text;
        line.colour = kColour;
        line.effect = form.effect;
        line.delay = form.delay;
        line.interval = form.interval;
        line.x = form.x;
        line.y = form.y;
        line.xAfterPrevious = form.xAfterPrevious;
        line.yBelowPrevious = form.yBelowPrevious;
        line.format = form.format;
        MakeFont(&fake.fonts, game.renderer, line.font, kTitleFace, form.height, false);
        lines.push_back(&line);
        return line;
    }
    // Plays the page at kT0 + ms and returns whether it finished.
    bool playAt(int ms) {
        clearCalls();
        return PlayCreditPage(game.renderer, page, kT0 + ms, kT0);
    }
    // The glyphs a line drew in the last play, and their colour.
    int glyphs(const CreditLine& line) {
        int count = 0;
        for (const platform::DrawCall& call : quads()) count += call.texture == line.font.atlas.texture.get();
        return count;
    }
    Colour colourOf(const CreditLine& line) {
        for (const platform::DrawCall& call : quads())
            if (call.texture == line.font.atlas.texture.get()) return call.corners[0].colour;
        return 0;
    }
    void TearDown() override {
        for (CreditLine* line : lines) DestroyFont(line->font);
    }

    static constexpr Colour kColour = 0xFF8C8C92;
    CreditPage page;
    std::vector<CreditLine*> lines;

private:
    std::forward_list<CreditLine>::iterator last_ = page.lines.before_begin();
};

TEST_F(CreditLines, ATypewriterLineShowsOneCharacterAtOnceAndFinishesOneIntervalAfterTheLast) {
    const CreditLine& line = add({.text = "ABCDE", .effect = kCreditTypewriter, .interval = 30});
    const struct {
        int ms;
        int shown;
        bool finished;
    } frames[] = {
        {0, 0, false},  // first seen: the line's start, not yet visible
        {1, 1, false},   {30, 1, false},  {31, 2, false},  {62, 3, false},
        {93, 4, false},  {123, 4, false}, {124, 5, false},  // all five: four intervals of 31 one-ms frames
        {154, 5, false}, {155, 5, true},
    };
    std::size_t next = 0;
    for (int ms = 0; ms <= 155; ++ms) {
        const bool finished = playAt(ms);
        if (next == std::size(frames) || frames[next].ms != ms) continue;
        SCOPED_TRACE(ms);
        EXPECT_EQ(glyphs(line), frames[next].shown);
        EXPECT_EQ(finished, frames[next].finished);
        ++next;
    }
    EXPECT_EQ(next, std::size(frames));
}

TEST_F(CreditLines, AFadeInLineComesFromWhiteToItsColourOverItsInterval) {
    const CreditLine& line = add({.text = "AB", .effect = kCreditFadeIn, .delay = 100, .interval = 1000});
    EXPECT_FALSE(playAt(0));
    EXPECT_FALSE(playAt(100));
    EXPECT_EQ(glyphs(line), 0) << "not before its delay is over";
    const struct {
        int ms;
        Colour colour;
        bool finished;
    } frames[] = {
        {101, BlendColours(kColour, 0x00FFFFFF, 0.001f), false},
        {600, BlendColours(kColour, 0x00FFFFFF, 0.5f), false},
        {1099, BlendColours(kColour, 0x00FFFFFF, 0.999f), false},
        {1100, kColour, true},
        {5000, kColour, true},
    };
    for (const auto& f : frames) {
        SCOPED_TRACE(f.ms);
        EXPECT_EQ(playAt(f.ms), f.finished);
        EXPECT_EQ(glyphs(line), 2);
        EXPECT_EQ(colourOf(line), f.colour);
    }
    EXPECT_GE(BlendColours(kColour, 0x00FFFFFF, 0.001f), 0xFFFEFEFEu) << "white, but for rounding, at first";
}

TEST_F(CreditLines, ALineWithADelayWaitsForTheOneBeforeWhileLinesWithoutOneStartWithThePage) {
    const CreditLine& heading = add({.text = "AB", .effect = kCreditTypewriter, .interval = 100});
    const CreditLine& waiting = add({.text = "C", .delay = 500});
    const CreditLine& beside = add({.text = "D"});
    const CreditLine& after = add({.text = "E", .delay = 1});
    const struct {
        int ms;
        int heading, waiting, beside, after;
        bool finished;
    } frames[] = {
        {0, 0, 0, 0, 0, false},  // every line first seen: none visible yet
        {1, 1, 0, 1, 0, false},  // "beside" shows with the page; "after" waits for it, then 1 ms
        {2, 1, 0, 1, 0, false},   {3, 1, 0, 1, 1, false},   {101, 2, 0, 1, 1, false},
        {201, 2, 0, 1, 1, false}, {202, 2, 0, 1, 1, false},  // the heading finished: "waiting" starts its 500 ms
        {702, 2, 0, 1, 1, false}, {703, 2, 1, 1, 1, true},
    };
    for (const auto& f : frames) {
        SCOPED_TRACE(f.ms);
        EXPECT_EQ(playAt(f.ms), f.finished);
        EXPECT_EQ(glyphs(heading), f.heading);
        EXPECT_EQ(glyphs(waiting), f.waiting);
        EXPECT_EQ(glyphs(beside), f.beside);
        EXPECT_EQ(glyphs(after), f.after);
    }
    ResetCreditPage(page);
    EXPECT_FALSE(playAt(800));
    EXPECT_EQ(glyphs(waiting), 0) << "after a reset the page starts over";
    EXPECT_EQ(glyphs(heading), 0);
}

TEST_F(CreditLines, TheLayoutPlacesLinesAfterAndBelowTheOneBefore) {
    // Fake glyphs are height / 2 wide: 20 pixels at 40, 13 at 27.
    add({.text = "ABC", .height = 40, .x = 180, .y = 80});
    add({.text = "DE", .height = 40, .x = 0, .y = 80, .xAfterPrevious = true});
    add({.text = "F", .height = 27, .x = 180, .y = -5, .yBelowPrevious = true});
    add({.text = "two\nlines", .height = 27, .x = 0, .y = 35, .yBelowPrevious = true, .format = DT_CENTER});
    add({.text = "G", .height = 27, .x = 0, .y = 15, .yBelowPrevious = true, .format = DT_CENTER});
    add({.text = "H", .height = 27, .x = 10, .y = 5, .xAfterPrevious = true, .yBelowPrevious = true});
    LayOutCreditPage(page);
    const platform::Point expected[] = {
        {180, 80},
        {180 + 3 * 20, 80},       // x after the first part
        {180, 80 + 40 - 5},       // 5 above the bottom of the line before
        {0, 115 + 27 + 35},       // 35 below
        {0, 177 + 2 * 27 + 15},   // below both lines of a two-line entry
        {13 + 10, 246 + 27 + 5},  // both: from a centred line's measured right edge
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i]->text);
        EXPECT_EQ((platform::Point{lines[i]->x, lines[i]->y}), expected[i]);
    }
}

// ---- The credits screen -------------------------------------------------------

class CreditsScreen : public testing::MenuFixture {
protected:
    void SetUp() override {
        MenuFixture::SetUp();
        BindButtonActions(game);
    }
    void enter() {
        SwitchScreen(game, ScreenKind::Credits);
        frame();
    }
    void frame(std::uint32_t ms = 0) {
        fake.clock.advance(ms);
        calls().clear();
        DrawFrame(game);
    }
    int sinceEntry() const { return Elapsed(GameTime(game), game.screen.creditsStart); }
    CreditPages& credits() { return game.credits; }
    // The lines of page p, in order.
    std::vector<CreditLine*> linesOf(int p) {
        std::vector<CreditLine*> found;
        for (CreditLine& line : credits().pages[static_cast<std::size_t>(p)].lines) found.push_back(&line);
        return found;
    }
    bool started(int p) {
        for (CreditLine* line : linesOf(p))
            if (line->started) return true;
        return false;
    }
};

TEST_F(CreditsScreen, PagesPlayStrictlyInOrderAndTheFinaleComesAfterAMinute) {
    enter();
    const std::size_t rasterised = fake.fonts.rasterised.size();
    int finishedAt[kCreditPageCount] = {};
    int finaleFirstSeen = 0;
    while (sinceEntry() < 80000) {
        frame(16);
        int current = 0;
        while (current < kCreditPageCount && credits().done[static_cast<std::size_t>(current)]) ++current;
        for (int p = current + 1; p < kCreditPageCount; ++p) {
            ASSERT_FALSE(credits().done[static_cast<std::size_t>(p)]) << p;
            ASSERT_FALSE(started(p)) << "page " << p + 1 << " before page " << current + 1 << " finished";
        }
        if (current > 0 && finishedAt[current - 1] == 0) finishedAt[current - 1] = sinceEntry();
        const bool finale = !from(pictures(), regions::CreditsFinale).empty();
        if (finale && finaleFirstSeen == 0) finaleFirstSeen = sinceEntry();
        ASSERT_EQ(finale, sinceEntry() > kCreditsFinaleAfterMs) << sinceEntry();
    }
    for (int p = 1; p < kCreditPageCount; ++p) EXPECT_GT(finishedAt[p], finishedAt[p - 1]) << p;
    EXPECT_GT(finishedAt[kCreditPageCount - 1], 0) << "all six finished";
    EXPECT_LT(finishedAt[kCreditPageCount - 1], 80000);
    EXPECT_LE(finaleFirstSeen, kCreditsFinaleAfterMs + 16);
    EXPECT_EQ(fake.fonts.rasterised.size(), rasterised) << "the credits rasterise nothing while they play";
}

TEST_F(CreditsScreen, TheSubheadingTypesOutWhileTheHeadingsSecondPartWaits) {
    enter();
    while (sinceEntry() < 1000) frame(16);
    const std::vector<CreditLine*> lines = linesOf(0);
    const CreditLine& first = *lines[1];
    const CreditLine& second = *lines[2];
    const CreditLine& subheading = *lines[3];
    EXPECT_EQ(first.shownChars + 1, static_cast<int>(first.text.size())) << "typed out";
    ASSERT_TRUE(second.started);
    EXPECT_EQ(second.shownChars, 0);
    EXPECT_GT(subheading.shownChars, 5);
    EXPECT_TRUE(from(pictures(), regions::CreditsFinale).empty());
}

TEST_F(CreditsScreen, LeavingAndComingBackStartsAgainFromPageOne) {
    for (const bool byBack : {true, false}) {
        SCOPED_TRACE(byBack ? "Back" : "Esc");
        enter();
        while (!credits().done[0] || sinceEntry() < 15000) frame(16);
        ASSERT_TRUE(started(1));
        if (byBack) {
            const Rect r = game.widgets.imageButtons[BackButton].rect;
            pointAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
            WindowProcedure(game, {platform::MessageKind::LButtonDown, 0, 0});
            WindowProcedure(game, {platform::MessageKind::LButtonUp, 0, 0});
        } else {
            WindowProcedure(game, {platform::MessageKind::KeyDown, vk::Escape, 0});
        }
        ASSERT_EQ(game.screen.current, ScreenKind::MainMenu);
        frame(5000);
        SwitchScreen(game, ScreenKind::Credits);
        EXPECT_EQ(sinceEntry(), 0);
        for (int p = 0; p < kCreditPageCount; ++p) {
            EXPECT_FALSE(credits().done[static_cast<std::size_t>(p)]) << p;
            EXPECT_FALSE(started(p)) << p;
        }
        frame(16);
        EXPECT_TRUE(started(0));
        EXPECT_FALSE(started(1));
        pointAt(-50, -50);
        SwitchScreen(game, ScreenKind::MainMenu);
    }
}

}  // namespace
}  // namespace glyphora
