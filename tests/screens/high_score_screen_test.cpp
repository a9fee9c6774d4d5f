// The high-score screen: which row is lit, and which buttons take presses
// in each of its states.
#include "game/screens/menu_screens.h"

#include "game/shell/game_clock.h"
#include "game/shell/screens.h"
#include "tests/screens/menu_fixture.h"

namespace glyphora {
namespace {

constexpr Colour kAchieved = 0xFFAEE400;

class HighScoreScreen : public testing::MenuFixture {
protected:
    void SetUp() override {
        MenuFixture::SetUp();
        game.screen.current = ScreenKind::HighScores;
        for (int d = 0; d < 3; ++d)
            for (int rank = 1; rank <= 5; ++rank) {
                game.scores.at(d, rank).name = "PLAYER";
                game.store.setScore(d, rank, 1000 * (6 - rank));
            }
    }
    // The rows (0..4) whose text is drawn in the achieved colour.
    std::vector<int> litRows() {
        std::vector<int> rows;
        for (const platform::DrawCall& call : calls())
            if (call.kind == platform::DrawCall::Kind::Quad && call.corners[0].colour == kAchieved) {
                const int row = (int(call.corners[0].y) - 160) / 40;
                if (rows.empty() || rows.back() != row) rows.push_back(row);
            }
        calls().clear();
        return rows;
    }
};

TEST_F(HighScoreScreen, LightsThePlaceJustAchievedOnlyInTheTableOfTheDifficultyPlayed) {
    struct Case {
        int viewed, played, place;
        std::vector<int> lit;
    } cases[] = {
        {2, 2, 1, {0}},
        {1, 1, 4, {3}},
        {0, 1, 4, {}},  // another difficulty's table
        {1, 1, 0, {}},  // no place in the last game
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "viewed " << c.viewed << ", played " << c.played << ", place " << c.place);
        game.screen.viewedDifficulty = c.viewed;
        game.settings.difficulty = c.played;
        game.screen.lastAchievedPlace = c.place;
        DrawHighScoreScreen(game);
        EXPECT_EQ(litRows(), c.lit);
    }
}

TEST_F(HighScoreScreen, ButtonsThatAreNotShownTakeNoPresses) {
    const ImageButtonName row[] = {LocalScoresButton, GroupsButton, OnlineScoresButton, BackButton};
    const auto rowEnabled = [&] {
        int enabled = 0;
        for (ImageButtonName name : row) enabled += game.widgets.imageButtons[name].enabled;
        return enabled;
    };
    DrawHighScoreScreen(game);
    EXPECT_EQ(rowEnabled(), 4);
    EXPECT_EQ(game.widgets.imageButtons[BackButton].x, 441);
    EXPECT_TRUE(game.widgets.imageButtons[DifficultyUpButton].enabled);

    game.screen.scoreView = 1;  // the group names: no difficulty selector
    DrawHighScoreScreen(game);
    EXPECT_FALSE(game.widgets.imageButtons[DifficultyDownButton].enabled);
    EXPECT_FALSE(game.widgets.imageButtons[DifficultyUpButton].enabled);

    // The connection message stands in the row until its deadline has passed.
    game.menus.connectionMessage = "CONNECTING TO GLYPHORA HIGH SCORES SERVER...";
    game.menus.connectionMessageShown = true;
    game.menus.connectionMessageDeadline = GameTime(game) + 2000;
    DrawHighScoreScreen(game);
    EXPECT_EQ(rowEnabled(), 0);
    fake.clock.advance(2001);
    DrawHighScoreScreen(game);
    EXPECT_FALSE(game.menus.connectionMessageShown);
    EXPECT_EQ(game.menus.connectionMessageDeadline, 0);
    EXPECT_EQ(rowEnabled(), 4);
}

// Entered from the menu the screen shows the player's own difficulty, and
// places nobody has reached yet stand empty.
TEST_F(HighScoreScreen, OpensOnThePlayersDifficultyWithEmptyPlacesBlank) {
    game.settings.difficulty = 0;
    game.screen.viewedDifficulty = 1;
    game.scores.at(0, 4) = ScoreEntry{};
    game.scores.at(0, 5) = ScoreEntry{};
    game.store.setScore(0, 4, 0);
    game.store.setScore(0, 5, 0);
    SwitchScreen(game, ScreenKind::MainMenu);
    SwitchScreen(game, ScreenKind::HighScores);
    EXPECT_EQ(game.screen.viewedDifficulty, 0);
    calls().clear();
    DrawHighScoreScreen(game);
    int rowsDrawn = 0, lastRow = -1;
    for (const platform::DrawCall& call : calls()) {
        if (call.kind != platform::DrawCall::Kind::Quad || call.corners[0].colour != TextGrey) continue;
        const int y = int(call.corners[0].y);
        if (y < 160 || y >= 360) continue;
        const int row = (y - 160) / 40;
        if (row != lastRow) ++rowsDrawn, lastRow = row;
    }
    EXPECT_EQ(rowsDrawn, 3);
}

}  // namespace
}  // namespace glyphora
