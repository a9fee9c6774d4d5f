#include "game/gameplay/run_rules.h"

#include "game/gameplay/update_play.h"
#include "play_fixture.h"

namespace glyphora {
namespace {

using testing::PlayFixture;

class RunRules : public PlayFixture {};

TEST_F(RunRules, AWordPaysItsPointsTimesTheMultiplierALifeAndBonusBarProgress) {
    struct Case {
        const char* name;
        float multiplier;
        int points, lives, maxLives;
        float bar;
        int score;  // before
        int scoreAfter, livesAfter;
        float barAfter;
        bool bonus;
    };
    const Case cases[] = {
        {"at level multiplier 1.5", 1.5f, 60, 3, 8, 0, 0, 90, 4, 60, false},
        {"with all lives", 1, 60, 8, 8, 0, 0, 60, 8, 60, false},
        {"filling the bar exactly", 1, 60, 3, 8, 640, 1000, 1060, 4, 700, false},
        {"overflowing the bar", 1, 60, 3, 8, 680, 1000, 1060 + 1060 / 5, 4, 40, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        game.store.setLevelMultiplier(c.multiplier);
        game.store.setRunScore(c.score);
        game.run.lives = c.lives;
        game.run.maxLives = c.maxLives;
        game.run.bonusBar = c.bar;
        game.run.bonusBars = 0;
        game.run.message.clear();
        game.field.word.points = c.points;
        CreditWord(play, now(), events);
        EXPECT_EQ(game.store.runScore(), c.scoreAfter);
        EXPECT_EQ(game.run.lives, c.livesAfter);
        EXPECT_FLOAT_EQ(game.run.bonusBar, c.barAfter);
        EXPECT_EQ(game.run.bonusBars, c.bonus ? 1 : 0);
        EXPECT_EQ(game.run.message.view(), c.bonus ? "! B*O*N*U*S !" : "");
    }
}

TEST_F(RunRules, AFreeGameShowsNoBonusMessage) {
    game.run.freeGame = true;
    game.run.bonusBar = 690;
    game.field.word.points = 50;
    CreditWord(play, now(), events);
    EXPECT_EQ(game.run.bonusBars, 1);
    EXPECT_FALSE(game.run.message.shown());
}

TEST_F(RunRules, LosingALifeLosesTheBonusBarAndSaysSoWhenThereWasOne) {
    for (const float bar : {0.5f, 0.0f}) {
        game.run.message.clear();
        game.run.bonusBar = bar;
        game.run.lives = 3;
        LoseLife(play, now(), events);
        EXPECT_EQ(game.run.lives, 2);
        EXPECT_EQ(game.run.bonusBar, 0);
        EXPECT_EQ(game.run.message.view(), bar > 0 ? "Bonus Bar Lost!" : "") << bar;
    }
}

TEST_F(RunRules, EveryThirdTntLetterGainsAChargeUpToThree) {
    const bool gained[] = {false, false, true, false, false, true, false, false, true, false, false, false};
    for (int i = 0; i < 12; ++i) {
        game.run.message.clear();
        EXPECT_EQ(CountTntLetter(play, now(), events), gained[i]) << "TNT letter " << i + 1;
        EXPECT_EQ(game.run.message.view(), gained[i] ? "TNT!" : "");
    }
    EXPECT_EQ(game.run.tntCharges, 3);
    EXPECT_EQ(game.run.tntCatches, 0);
}

TEST_F(RunRules, ABlastLineRisesInOneSecondAndCatchesEverythingBelowItWithoutPoints) {
    game.run.tntCharges = 1;
    addItem('A', 300).speed = 0;  // bottom at 365
    addItem('B', 100).speed = 0;  // bottom at 165
    Detonate(game.run, now());
    EXPECT_EQ(game.run.tntCharges, 0);
    const struct {
        std::uint32_t afterMs;
        float line;
        bool aCaught, bCaught;
    } steps[] = {{50, 380, false, false}, {100, 360, true, false}, {500, 200, true, false}, {600, 160, true, true}};
    for (const auto& step : steps) {
        advance(step.afterMs - (GameTime(game) - game.run.blastStart));
        UpdatePlay(game);
        EXPECT_FLOAT_EQ(game.run.blastLineY, step.line);
        EXPECT_EQ(game.field.items[0].beingCaught(), step.aCaught) << step.afterMs;
        EXPECT_EQ(game.field.items[1].beingCaught(), step.bCaught) << step.afterMs;
    }
    advance(401);
    UpdatePlay(game);
    EXPECT_FALSE(game.run.blastRunning);
    EXPECT_EQ(game.store.runScore(), 0);
    Detonate(game.run, now());  // no charge left
    EXPECT_FALSE(game.run.blastRunning);
}

TEST_F(RunRules, TheMessageFadesAfterItsHoldAndIsGoneAfterItsFade) {
    ShowMessage(game.run.message, "A message far too long for the HUD", 1000, 500, GameTime(game));
    EXPECT_EQ(game.run.message.view(), "A message far too l");
    advance(1500);
    ExpireMessage(game.run.message, GameTime(game));
    EXPECT_TRUE(game.run.message.shown());
    advance(1);
    ExpireMessage(game.run.message, GameTime(game));
    EXPECT_FALSE(game.run.message.shown());
}

TEST_F(RunRules, TheScoreSaturatesInsteadOfOverflowing) {
    game.store.setRunScore(2'000'000'000);
    game.field.word.points = 100;
    game.run.bonusBar = 650;
    CreditWord(play, now(), events);
    EXPECT_EQ(game.store.runScore(), 2'147'483'647);
}

}  // namespace
}  // namespace glyphora
