#include "game/gameplay/spawning.h"

#include "play_fixture.h"

namespace glyphora {
namespace {

using testing::PlayFixture;

class Spawning : public PlayFixture {
protected:
    // Spawns count items on a cleared field, one at a time.
    std::vector<FallingItem> spawnMany(int count) {
        std::vector<FallingItem> spawned;
        for (int i = 0; i < count; ++i) {
            game.field.items.clear();
            SpawnItem(game);
            if (!game.field.items.empty()) spawned.push_back(game.field.items.back());
        }
        return spawned;
    }
    void enableGroups(bool letters, bool digits) {
        for (auto& flags : game.run.contentFlags) {
            flags[kLettersAndSpace] = letters;
            flags[kDigits] = digits;
        }
        SetSubLevel(game, game.run.subLevel, false);
    }
};

TEST_F(Spawning, OnlyEnabledGroupsAreSpawnedAndNothingWhenNoneIs) {
    struct Case {
        bool letters, digits;
        int expectLetters, expectDigits;  // -1: some, 0: none
    };
    for (const Case c : {Case{true, false, -1, 0}, Case{false, true, 0, -1}, Case{true, true, -1, -1}}) {
        enableGroups(c.letters, c.digits);
        int letters = 0, digits = 0;
        for (const FallingItem& item : spawnMany(400)) ++(LetterTable[item.letter].group == kDigits ? digits : letters);
        EXPECT_EQ(letters > 0, c.expectLetters != 0) << c.letters << c.digits;
        EXPECT_EQ(digits > 0, c.expectDigits != 0) << c.letters << c.digits;
    }
    enableGroups(false, false);
    EXPECT_EQ(game.run.totalWeight, 0);
    EXPECT_TRUE(spawnMany(50).empty());
}

TEST_F(Spawning, ItemsTurnFasterOnLaterSubLevelsAndTntFasterStill) {
    struct Case {
        int subLevel;
        float spin, tntSpin;
    };
    for (const Case c : {Case{0, 0, 0}, Case{2, 20, 50}, Case{4, 40, 100}}) {
        SetSubLevel(game, c.subLevel, false);
        int tnt = 0;
        for (const FallingItem& item : spawnMany(400)) {
            EXPECT_FLOAT_EQ(item.spinSpeed, item.tnt ? c.tntSpin : c.spin);
            EXPECT_FLOAT_EQ(item.speed, ItemSpeed(game) * (item.tnt ? 2.5f : 1.0f));
            EXPECT_EQ(item.style == regions::kTntStyle, item.tnt);
            tnt += item.tnt;
        }
        EXPECT_GT(tnt, 5) << "about one item in twenty is TNT";
        EXPECT_LT(tnt, 40);
    }
}

TEST_F(Spawning, ANewItemStartsAboveTheFieldCentredInTheWidestGapNearTheTop) {
    for (unsigned seed = 1; seed <= 10; ++seed) {
        std::srand(seed);
        game.field.items.clear();
        addItem('A', -65, 100);  // gaps: 15-100 (too narrow to matter), 165-300 and 365-460
        addItem('B', -20, 300);
        addItem('C', 260, 180);  // below every band: does not count
        const int x = ChooseSpawnX(game.field);
        EXPECT_EQ(x, 200) << "seed " << seed;  // centred between 165 and 300 - 65
    }
    SpawnItem(game);
    const FallingItem& item = game.field.items.back();
    EXPECT_FLOAT_EQ(QuadExtreme(item.baseQuad, QuadSide::Top), -65);
    EXPECT_FLOAT_EQ(QuadExtreme(item.baseQuad, QuadSide::Left), 200);
}

TEST_F(Spawning, AFullTopRowFallsBackToARandomPlaceInTheField) {
    for (float x = 0; x < 460; x += 60) addItem('A', -65, x);
    for (int i = 0; i < 200; ++i) {
        const int x = ChooseSpawnX(game.field);
        EXPECT_GE(x, 15);
        EXPECT_LE(x, 460 - 80 + 14);
    }
}

}  // namespace
}  // namespace glyphora
