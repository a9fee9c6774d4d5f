// The main menu's peeking picture: when one comes, how it moves, and that the
// same character never peeks twice in a row.
#include "game/screens/peek.h"

#include "game/screens/menu_screens.h"
#include "game/shell/game_clock.h"
#include "tests/screens/menu_fixture.h"

namespace glyphora {
namespace {

constexpr int kT0 = 200000;  // game clock at the quiet start of each case

MenuState QuietSince(int lastEnd) {
    MenuState menus;
    menus.lastPeekEnd = lastEnd;
    menus.lastPeekTry = lastEnd;
    return menus;
}

TEST(Peek, StartsOnlyAfterFiveQuietSecondsAndOneSecondAfterTheLastTry) {
    Random random(3);
    MenuState menus = QuietSince(kT0);
    EXPECT_FALSE(StepPeek(menus, kT0 + 5000, random));
    EXPECT_EQ(menus.peekState, PeekState::Idle);
    EXPECT_EQ(StepPeek(menus, kT0 + 5001, random), 700) << "starts at the right edge";
    EXPECT_EQ(menus.peekState, PeekState::Showing);
    EXPECT_EQ(menus.peekStart, kT0 + 5001);
    EXPECT_EQ(menus.lastPeekTry, kT0 + 5001);

    MenuState retried = QuietSince(0);
    retried.lastPeekTry = kT0;
    EXPECT_FALSE(StepPeek(retried, kT0 + 1000, random));
    EXPECT_TRUE(StepPeek(retried, kT0 + 1001, random));
}

TEST(Peek, SlidesInRestsUntilThreeSecondsAndLeavesAtTheSameSpeed) {
    struct Step {
        int ms;                // since the peek started
        std::optional<int> x;  // where it is drawn
        PeekState state;
    } steps[] = {
        {0, 700, PeekState::Showing},    {425, 615, PeekState::Showing},  {850, 530, PeekState::Showing},
        {1500, 530, PeekState::Showing}, {3000, 530, PeekState::Showing}, {3001, 530, PeekState::Leaving},
        {3425, 615, PeekState::Leaving}, {3850, 700, PeekState::Leaving}, {3855, std::nullopt, PeekState::Idle},
    };
    Random random(5);
    MenuState menus = QuietSince(kT0 - 6000);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.ms);
        EXPECT_EQ(StepPeek(menus, kT0 + step.ms, random), step.x);
        EXPECT_EQ(menus.peekState, step.state);
    }
    EXPECT_EQ(menus.lastPeekEnd, kT0 + 3855);
    EXPECT_FALSE(StepPeek(menus, kT0 + 3855 + 5000, random)) << "a quiet pause follows every peek";

    menus.peekState = PeekState::Showing;  // a peek under way when the window went to sleep for a day
    EXPECT_FALSE(StepPeek(menus, menus.peekStart + 86'400'000, random));
    EXPECT_EQ(menus.peekState, PeekState::Idle);
}

TEST(Peek, NeverShowsTheSameCharacterTwiceInARow) {
    Random random(11);
    MenuState menus = QuietSince(0);
    int now = kT0, previous = menus.peekPicture;
    int seen[kPeekPictures] = {};
    for (int peek = 0; peek < 300; ++peek) {
        while (menus.peekState == PeekState::Idle) StepPeek(menus, now += 100, random);
        ASSERT_NE(menus.peekPicture, previous) << "peek " << peek;
        ASSERT_GE(menus.peekPicture, 0);
        ASSERT_LT(menus.peekPicture, kPeekPictures);
        ++seen[menus.peekPicture];
        previous = menus.peekPicture;
        while (menus.peekState != PeekState::Idle) StepPeek(menus, now += 100, random);
    }
    for (int count : seen) EXPECT_GT(count, 0) << "every character peeks now and then";
}

class PeekOnTheMenu : public testing::MenuFixture {};

TEST_F(PeekOnTheMenu, EachCharacterIsDrawnFromItsOwnPictureAtTheRestingPlace) {
    const regions::Region& strip = regions::PeekPictures;
    const struct {
        int picture;
        const regions::Region& region;
        int u, v;
    } cases[] = {
        {0, strip, 0, 0}, {2, strip, 2, 0}, {3, strip, 3, 0}, {4, strip, 3, -1}, {5, regions::PeekPicture5, 0, 0},
    };
    game.screen.current = ScreenKind::MainMenu;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture);
        game.menus.peekState = PeekState::Showing;
        game.menus.peekPicture = c.picture;
        game.menus.peekStart = GameTime(game) - 1000;
        DrawMainMenu(game);
        const std::vector<testing::Picture> drawn = from(pictures(), c.region, c.u, c.v);
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(drawn[0].x, 530);
        EXPECT_EQ(drawn[0].y, 135);
    }
}

// The times start at 0; from a clock at or past 2^31 that 0 lies "ahead"
// and must count as long ago, or no peek would ever come.
TEST(Peek, ComesAtOnceWhenTheClockStandsPastTheMiddleOfItsRange) {
    MenuState menus = QuietSince(0);
    Random random;
    EXPECT_TRUE(StepPeek(menus, static_cast<int>(0x80000000u + 10), random));
    EXPECT_EQ(menus.peekState, PeekState::Showing);
}

// Each try first draws its chance, then the picture.
TEST(Peek, TheTryDrawsItsChanceBeforeThePicture) {
    Random random;
    random.script({5, 4});
    MenuState menus = QuietSince(0);
    StepPeek(menus, kT0, random);
    EXPECT_EQ(menus.peekPicture, 4);
}

}  // namespace
}  // namespace glyphora
