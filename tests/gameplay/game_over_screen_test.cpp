// The end of a run through the keys: the summary, the place the score earns,
// the name entry and what it stores.
#include "game/screens/game_over_screen.h"
#include "game/gameplay/end_of_run.h"

#include "game/data/score_file.h"
#include "platform/keys.h"
#include "support/started_game.h"

namespace glyphora {
namespace {

class GameOver : public testing::StartedGame {
protected:
    // Medium's table: A 500, B 400, C 300, D 200, E 100.
    void fillMediumTable() {
        const char* names[] = {"A", "B", "C", "D", "E"};
        for (int rank = 1; rank <= 5; ++rank) {
            game.scores.at(kMedium, rank) = ScoreEntry{names[rank - 1], 3, 0, 0, 0, 0};
            game.store.setScore(kMedium, rank, 600 - 100 * rank);
        }
    }
    // A Medium run with this score, ended with Esc, Esc.
    void endRunWith(int score) {
        startRun(kMedium);
        game.store.setRunScore(score);
        game.run.lettersCaught = 17;
        keys({vk::Escape, vk::Escape});
        ASSERT_EQ(screen(), ScreenKind::GameOver);
    }
    bool enabled(ImageButtonName name) const { return game.widgets.imageButtons[name].enabled; }
    // Quads drawn in this frame with the glyphs of the font's size (the
    // fonts of one size share their atlas).
    int glyphQuads(FontName font) {
        const platform::Texture* atlas = game.fonts[font].atlas.texture.get();
        fake.window.device->calls.clear();
        DrawFrame(game);
        int count = 0;
        for (const platform::DrawCall& call : fake.window.device->calls)
            count += call.kind == platform::DrawCall::Kind::Quad && call.texture == atlas;
        return count;
    }
};

TEST_F(GameOver, TheScoreEarnsItsPlaceAndTheNameGoesIntoTheTable) {
    struct Case {
        int score;
        int rank;
    };
    for (const Case c : {Case{100, 0}, Case{101, 5}, Case{500, 2}, Case{501, 1}}) {
        fillMediumTable();
        std::filesystem::remove("Data/Scores.txt");
        endRunWith(c.score);
        EXPECT_EQ(game.run.ending.pendingRank, c.rank) << c.score;
        if (c.rank == 0) {
            EXPECT_TRUE(enabled(PlayAgainButton) && enabled(BackButton) && !enabled(OkButton)) << c.score;
            continue;
        }
        EXPECT_TRUE(enabled(OkButton) && !enabled(PlayAgainButton) && !enabled(BackButton)) << c.score;
        frames(800);
        type("Zed");
        key(vk::Enter);
        ASSERT_EQ(screen(), ScreenKind::HighScores) << c.score;
        EXPECT_EQ(game.screen.viewedDifficulty, kMedium);
        EXPECT_EQ(game.screen.lastAchievedPlace, c.rank);
        EXPECT_EQ(game.scores.at(kMedium, c.rank).name, "Zed");
        EXPECT_EQ(game.scores.at(kMedium, c.rank).letters, 17);
        EXPECT_EQ(game.store.score(kMedium, c.rank), c.score);
        if (c.rank < 5) { EXPECT_EQ(game.scores.at(kMedium, 5).name, "D") << "the fifth entry drops out"; }

        ScoreTable saved;
        ScoreStore savedScores;
        LoadScores(saved, savedScores);
        EXPECT_EQ(saved.at(kMedium, c.rank).name, "Zed") << "the table is saved";
        EXPECT_TRUE(std::filesystem::exists("Data/Settings.ini")) << "and so are the settings";
    }
}

TEST_F(GameOver, EscOnTheNameEntryAddsNothing) {
    fillMediumTable();
    endRunWith(1000);
    frames(800);
    type("Zed");
    key(vk::Escape);
    EXPECT_EQ(screen(), ScreenKind::MainMenu);
    EXPECT_EQ(game.scores.at(kMedium, 1).name, "A");
    EXPECT_EQ(game.store.score(kMedium, 1), 500);
    EXPECT_FALSE(std::filesystem::exists("Data/Scores.txt"));
    EXPECT_FALSE(NameToEnter(game.run)) << "the place is given up";
}

TEST_F(GameOver, TheNameFieldOffersTheDefaultNameAndOpensOnlyAfterAMoment) {
    game.settings.defaultName = "Ada";
    endRunWith(1000);
    EXPECT_EQ(game.screen.enteredName, "Ada");
    type("xy");  // still typing at the end of the run
    frames(700);
    EXPECT_EQ(game.screen.enteredName, "Ada");
    frames(100);
    type("m");
    EXPECT_EQ(game.screen.enteredName, "Adam");
}

TEST_F(GameOver, AnEmptyNameIsStoredAsAnonymousAfterASecondConfirmation) {
    game.settings.defaultName.clear();
    endRunWith(1000);
    frames(800);
    key(vk::Enter);
    EXPECT_EQ(screen(), ScreenKind::GameOver);
    EXPECT_EQ(game.screen.enteredName, "-- anonymous --");
    EXPECT_EQ(game.store.score(kMedium, 1), 0) << "nothing stored yet";
    clickButton(OkButton);
    EXPECT_EQ(screen(), ScreenKind::HighScores);
    EXPECT_EQ(game.scores.at(kMedium, 1).name, "-- anonymous --");
}

TEST_F(GameOver, TheSummaryShowsScoreLevelOrTheSurvivalTimeInMinutesAndSeconds) {
    endRunWith(345);
    EXPECT_STREQ(game.run.ending.scoreLine.data(), "Your score is 345");
    EXPECT_STREQ(game.run.ending.levelLine.data(), "You made it to level 1");
    EXPECT_STREQ(game.run.ending.rankLine.data(), "You are to be signed into the High scores on rank 1");

    startRun(kMedium, true);
    fake.clock.advance(125400);
    key(vk::Escape);
    fake.clock.advance(30000);  // the pause does not count
    key(vk::Escape);
    ASSERT_EQ(screen(), ScreenKind::GameOver);
    EXPECT_STREQ(game.run.ending.scoreLine.data(), "your survival time is 2:05");
    EXPECT_EQ(game.run.ending.pendingRank, 0) << "a free game earns no place";
}

TEST_F(GameOver, AfterACheatOnlyCheaterShowsWithNewGameAndBack) {
    endRunWith(0);
    const int plainSummary = glyphQuads(GameOverFont28a);
    startRun(kMedium);
    game.store.setRunScore(5000);
    game.store.setCheated(true);
    keys({vk::Escape, vk::Escape});
    EXPECT_EQ(game.run.ending.pendingRank, 0);
    EXPECT_TRUE(enabled(PlayAgainButton) && enabled(BackButton) && !enabled(OkButton));
    EXPECT_EQ(glyphQuads(GameOverFont28a), 8) << "Cheater! and no level line";
    EXPECT_GT(plainSummary, 8);
    EXPECT_EQ(glyphQuads(GameOverFont22), 0) << "no rank line";
}

TEST_F(GameOver, NewGameAndBackStandSideBySideCentred) {
    endRunWith(0);
    DrawFrame(game);
    const Rect again = game.widgets.imageButtons[PlayAgainButton].rect;
    const Rect back = game.widgets.imageButtons[BackButton].rect;
    EXPECT_EQ(back.left - again.right, 10);
    EXPECT_LE(std::abs(again.left + back.right - kWindowWidth), 1);
    clickButton(PlayAgainButton);
    EXPECT_EQ(screen(), ScreenKind::Play);
}

// Enter is also the blast key: pressed as the last life goes, it must not
// enter the default name before the field has opened for typing.
TEST_F(GameOver, EnterDoesNothingUntilTheNameFieldHasOpened) {
    endRunWith(345);
    ASSERT_TRUE(NameToEnter(game.run));
    key(vk::Enter);
    frames(400);
    key(vk::Enter);
    EXPECT_EQ(screen(), ScreenKind::GameOver);
    EXPECT_TRUE(game.scores.at(kMedium, 1).name.empty());
    frames(400);
    type("Zed");
    key(vk::Enter);
    EXPECT_EQ(screen(), ScreenKind::HighScores);
    EXPECT_EQ(game.scores.at(kMedium, 1).name, "Zed");
}

}  // namespace
}  // namespace glyphora
