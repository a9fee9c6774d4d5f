#include "game/gameplay/progression.h"

#include <cstring>
#include <set>

#include "game/gameplay/spawning.h"
#include "game/gameplay/update_play.h"
#include "play_fixture.h"

namespace glyphora {
namespace {

using testing::PlayFixture;

class Progression : public PlayFixture {
protected:
    void startRun(int difficulty, int stage = 0, int subLevel = 0) {
        game.settings.difficulty = difficulty;
        NewGame(game);
        game.run.stage = stage;
        SetSubLevel(game, subLevel, false);
    }
    int trackPlaying() const {
        int track = 0;
        std::sscanf(game.run.musicFile.data(), "Music/Track%d.ogg", &track);
        return track;
    }
    // Plays through the next sub-level change.
    void finishSubLevel() {
        advance(kSubLevelMs + 1);
        TickProgression(game, GameTime(game));
        game.field.lastUpdate = GameTime(game);
    }
};

TEST_F(Progression, LevelsSetLetterValueSpeedAndChance) {
    struct Case {
        int difficulty, stage, subLevel;
        int letterValue;
        float speed, chance;
        int level;
    };
    const Case cases[] = {
        {kMedium, 0, 0, 10, 20, 12, 1},   {kMedium, 1, 0, 15, 30, 15.6f, 6},
        {kMedium, 3, 0, 33, 20 * 1.5f * 1.3f * 1.15f, 12 * 1.3f * 1.2f * 1.1f, 16},
        {kHard, 0, 4, 50, 150, 36, 5},    {kEasy, 0, 2, 30, 45, 13.5f, 3},
        {kMedium, 4, 1, 101, 40 * 1.5f * 1.3f * 1.15f * 1.15f, 15 * 1.3f * 1.2f * 1.1f * 1.1f, 22},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << kDifficulties[c.difficulty].name << " level " << c.level);
        startRun(c.difficulty, c.stage, c.subLevel);
        EXPECT_EQ(game.store.letterValue(), c.letterValue);
        EXPECT_FLOAT_EQ(ItemSpeed(game), c.speed);
        EXPECT_FLOAT_EQ(game.run.spawnChance, c.chance);
        EXPECT_EQ(LevelNumber(game.run), c.level);
    }
}

TEST_F(Progression, ANewRunStartsFromItsFirstLevelWithThreeLivesAndAFewItems) {
    game.store.setRunScore(500);
    game.store.setCheated(true);
    game.run.tntCharges = 2;
    game.run.bonusBar = 300;
    game.run.message.length = 3;
    NewGame(game);
    EXPECT_EQ(game.screen.current, ScreenKind::Play);
    EXPECT_EQ(LevelNumber(game.run), 1);
    EXPECT_EQ(game.run.lives, 3);
    EXPECT_EQ(game.run.maxLives, 8);
    EXPECT_EQ(game.store.runScore(), 0);
    EXPECT_FALSE(game.store.cheated());
    EXPECT_EQ(game.run.tntCharges, 0);
    EXPECT_EQ(game.run.bonusBar, 0);
    EXPECT_FALSE(game.run.message.shown());
    EXPECT_GE(game.field.items.size(), 1u);
    EXPECT_LE(game.field.items.size(), 3u);
    EXPECT_GT(game.field.word.length, 0);
}

TEST_F(Progression, SubLevelsLastTwentySecondsAndEveryFifthStartsAStage) {
    const int expected[] = {2, 3, 4, 5, 6, 7};
    for (int level : expected) {
        advance(kSubLevelMs);
        TickProgression(game, GameTime(game));
        EXPECT_EQ(LevelNumber(game.run), level - 1) << "not before the 20 seconds are over";
        advance(1);
        TickProgression(game, GameTime(game));
        EXPECT_EQ(LevelNumber(game.run), level);
    }
    EXPECT_EQ(game.run.stage, 1);
}

TEST_F(Progression, FallingItemsChangeSpeedWithTheSubLevel) {
    SetSubLevel(game, 4, false);
    FallingItem& item = addItem('A', 0);
    item.speed = 100;
    SetSubLevel(game, 0, false);  // a new stage: 20 / 100 of the speed, times 1.5
    EXPECT_FLOAT_EQ(game.field.items[0].speed, 100 * 20.0f / 100 * 1.5f);
    SetSubLevel(game, 1, false);
    EXPECT_FLOAT_EQ(game.field.items[0].speed, 100 * 40.0f / 100 * 1.5f);
}

TEST_F(Progression, DigitsComeAtLevelFourExceptOnEasyAtLevelFive) {
    struct Case {
        int difficulty;
        int firstLevelWithDigits;
    };
    for (const Case c : {Case{kEasy, 5}, Case{kMedium, 4}, Case{kHard, 4}}) {
        startRun(c.difficulty);
        for (int k = 0; k < kSubLevelCount; ++k) {
            SetSubLevel(game, k, false);
            EXPECT_EQ(game.run.groupEnabled[kDigits], k + 1 >= c.firstLevelWithDigits)
                << kDifficulties[c.difficulty].name << " level " << k + 1;
            EXPECT_TRUE(game.run.groupEnabled[kLettersAndSpace]);
        }
    }
}

TEST_F(Progression, AFreeGameTakesItsStartLevelSpeedDensityLivesAndContent) {
    Widgets& w = game.widgets;
    w.sliders[StartLevelSlider].value = 4;     // level 16
    w.sliders[FallingSpeedSlider].value = 3;   // 60 %
    w.sliders[DensitySlider].value = 10;       // 200 %
    w.sliders[MaxLivesSlider].value = 2;
    w.freeGameToggles[0][kLettersAndSpace].checked = false;
    w.freeGameToggles[0][kDigits].checked = true;
    game.run.freeGame = true;
    CopyFreeGameContent(game);
    NewGame(game);
    EXPECT_EQ(game.run.stage, 3);
    EXPECT_EQ(LevelNumber(game.run), 16);
    EXPECT_EQ(game.run.lives, 2);
    EXPECT_EQ(game.run.maxLives, 2);
    EXPECT_FLOAT_EQ(ItemSpeed(game), 20 * 1.5f * 1.3f * 1.15f * 0.6f);
    EXPECT_FLOAT_EQ(game.run.spawnChance, 12 * 1.3f * 1.2f * 1.1f * 2.0f);
    EXPECT_FALSE(game.run.groupEnabled[kLettersAndSpace]);
    EXPECT_TRUE(game.run.groupEnabled[kDigits]);
    for (const FallingItem& item : game.field.items) EXPECT_EQ(LetterTable[item.letter].group, kDigits);
}

TEST_F(Progression, MusicRisesATierAtStagesThreeAndSixAndNeverRepeatsATrack) {
    struct Case {
        int difficulty;
        std::set<int> tracksByStage[3];  // stages 0-2, 3-5, 6 on
    };
    const Case cases[] = {
        {kEasy, {{1, 2}, {3, 4}, {5, 6, 7}}},
        {kMedium, {{3, 4}, {5, 6, 7}, {5, 6, 7}}},
        {kHard, {{5, 6, 7}, {5, 6, 7}, {5, 6, 7}}},
    };
    for (const Case& c : cases) {
        for (unsigned seed = 1; seed <= 5; ++seed) {
            std::srand(seed);
            startRun(c.difficulty);
            int previous = 0;
            for (int stage = 0; stage <= 9; ++stage) {
                ASSERT_EQ(game.run.stage, stage);
                const int track = trackPlaying();
                EXPECT_TRUE(c.tracksByStage[std::min(stage / 3, 2)].count(track))
                    << kDifficulties[c.difficulty].name << " stage " << stage << " plays track " << track;
                EXPECT_NE(track, previous) << "stage " << stage;
                previous = track;
                for (int k = 0; k < kSubLevelCount; ++k) finishSubLevel();
            }
        }
    }
}

}  // namespace
}  // namespace glyphora
