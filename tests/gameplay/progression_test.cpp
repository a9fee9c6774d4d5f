#include "game/gameplay/progression.h"
#include "game/shell/run_control.h"

#include <cstring>
#include <set>

#include "game/gameplay/music_choice.h"
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
        SetSubLevel(play, subLevel, false, now(), events);
    }
    int trackPlaying() const {
        int track = 0;
        std::sscanf(game.run.musicFile.data(), "Music/Track%d.ogg", &track);
        return track;
    }
    // Plays through the next sub-level change.
    void finishSubLevel() {
        advance(kSubLevelMs + 1);
        TickProgression(play, now(), events);
        game.field.lastUpdate = now();
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
        {kMedium, 0, 0, 10, 20, 12, 1},
        {kMedium, 1, 0, 15, 30, 15.6f, 6},
        {kMedium, 3, 0, 33, 20 * 1.5f * 1.3f * 1.15f, 12 * 1.3f * 1.2f * 1.1f, 16},
        {kHard, 0, 4, 50, 150, 36, 5},
        {kEasy, 0, 2, 30, 45, 13.5f, 3},
        {kMedium, 4, 1, 101, 40 * 1.5f * 1.3f * 1.15f * 1.15f, 15 * 1.3f * 1.2f * 1.1f * 1.1f, 22},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << kDifficulties[c.difficulty].name << " level " << c.level);
        startRun(c.difficulty, c.stage, c.subLevel);
        EXPECT_EQ(game.store.letterValue(), c.letterValue);
        EXPECT_FLOAT_EQ(ItemSpeed(game.run), c.speed);
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
        TickProgression(play, now(), events);
        EXPECT_EQ(LevelNumber(game.run), level - 1) << "not before the 20 seconds are over";
        advance(1);
        TickProgression(play, now(), events);
        EXPECT_EQ(LevelNumber(game.run), level);
    }
    EXPECT_EQ(game.run.stage, 1);
}

TEST_F(Progression, FallingItemsChangeSpeedWithTheSubLevel) {
    SetSubLevel(play, 4, false, now(), events);
    FallingItem& item = addItem('A', 0);
    item.speed = 100;
    SetSubLevel(play, 0, false, now(), events);  // a new stage: 20 / 100 of the speed, times 1.5
    EXPECT_FLOAT_EQ(game.field.items[0].speed, 100 * 20.0f / 100 * 1.5f);
    SetSubLevel(play, 1, false, now(), events);
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
            SetSubLevel(play, k, false, now(), events);
            EXPECT_EQ(game.run.groupEnabled[kDigits], k + 1 >= c.firstLevelWithDigits)
                << kDifficulties[c.difficulty].name << " level " << k + 1;
            EXPECT_TRUE(game.run.groupEnabled[kLettersAndSpace]);
        }
    }
}

TEST_F(Progression, AFreeGameTakesItsStartLevelSpeedDensityLivesAndContent) {
    game.settings.startLevel = 4;  // level 16
    game.settings.speedMod = 3;    // 60 %
    game.settings.chanceMod = 10;  // 200 %
    game.settings.maxLives = 2;
    game.settings.freeGameKeys[0][kLettersAndSpace] = false;
    game.settings.freeGameKeys[0][kDigits] = true;
    game.run.freeGame = true;
    NewGame(game);
    EXPECT_EQ(game.run.stage, 3);
    EXPECT_EQ(LevelNumber(game.run), 16);
    EXPECT_EQ(game.run.lives, 2);
    EXPECT_EQ(game.run.maxLives, 2);
    EXPECT_FLOAT_EQ(ItemSpeed(game.run), 20 * 1.5f * 1.3f * 1.15f * 0.6f);
    EXPECT_FLOAT_EQ(game.run.spawnChance, 12 * 1.3f * 1.2f * 1.1f * 2.0f);
    EXPECT_FALSE(game.run.groupEnabled[kLettersAndSpace]);
    EXPECT_TRUE(game.run.groupEnabled[kDigits]);
    for (const FallingItem& item : game.field.items) EXPECT_EQ(LetterTable[item.letter].group, kDigits);
}

// The rolls are scripted: the run's first pick, then at every new stage a
// roll equal to the last pick (drawn again) and one that differs.
TEST_F(Progression, MusicRisesATierAtStagesThreeAndSixAndNeverRepeatsATrack) {
    struct Case {
        int difficulty;
        int firstTrackOfStage[10];
    };
    const Case cases[] = {
        {kEasy, {2, 1, 2, 3, 4, 3, 6, 7, 5, 6}},
        {kMedium, {4, 3, 4, 7, 5, 6, 7, 5, 6, 7}},
        {kHard, {6, 7, 5, 6, 7, 5, 6, 7, 5, 6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(kDifficulties[c.difficulty].name);
        game.random.script({0, 1});  // the run's track index 0, then its first pick 1
        startRun(c.difficulty);
        for (int stage = 0; stage <= 9; ++stage) {
            ASSERT_EQ(game.run.stage, stage);
            EXPECT_EQ(trackPlaying(), c.firstTrackOfStage[stage]) << "stage " << stage;
            for (int k = 0; k < kSubLevelCount - 1; ++k) finishSubLevel();
            const int size = kMusicTierSizes[std::min(game.run.musicTier + (stage == 2 || stage == 5), 2)];
            game.random.script({game.run.trackIndex % size, (game.run.trackIndex + 1) % size});
            finishSubLevel();
        }
    }
}

TEST_F(Progression, ATrackIsDrawnAgainUntilItDiffersFromTheLastOne) {
    game.run.musicTier = 2;
    game.run.trackIndex = 1;
    game.random.script({1, 1, 1, 2});
    PlayEvents chosen;
    ChooseMusicTrack(game.run, game.random, chosen);
    EXPECT_EQ(chosen.track, 7);
    EXPECT_STREQ(game.run.musicFile.data(), "Music/Track7.ogg");
}

}  // namespace
}  // namespace glyphora
