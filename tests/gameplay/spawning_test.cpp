// New items, with the random rolls scripted: where they appear, which letter
// they carry, how they fall and turn, and which are TNT.
#include "game/gameplay/spawning.h"

#include <vector>

#include "play_fixture.h"

namespace glyphora {
namespace {

using testing::PlayFixture;

constexpr int kTriesPerBand = 25;

class Spawning : public PlayFixture {
protected:
    void enableGroups(bool letters, bool digits) {
        for (auto& flags : game.run.contentFlags) {
            flags[kLettersAndSpace] = letters;
            flags[kDigits] = digits;
        }
        SetSubLevel(play, game.run.subLevel, false, now(), events);
    }
    // The rolls of one item spawned on an empty field: every try of the
    // first band at x, then its shape, style, TNT roll (0 is TNT) and letter.
    void scriptSpawn(int x, int shape, int style, int tntRoll, int letterRoll) {
        for (int i = 0; i < kTriesPerBand; ++i) game.random.script({x - 15});
        game.random.script({shape, style, tntRoll, letterRoll});
    }
};

// The roll walks the weights of the enabled groups: letters 5, digits 3,
// the space bar 4.
TEST_F(Spawning, TheLetterRollWalksTheWeightsOfTheEnabledGroups) {
    struct Case {
        bool letters, digits;
        int roll;
        int key;
    } cases[] = {
        {true, false, 0, 'A'},  {true, false, 5, 'A'},  {true, false, 6, 'B'},  {true, false, 133, ' '},
        {false, true, 0, '0'},  {false, true, 29, '9'}, {true, true, 130, 'Z'}, {true, true, 131, '0'},
        {true, true, 163, ' '}, {true, true, 164, 'A'},  // rolls are taken modulo the total weight
    };
    for (const Case& c : cases) {
        enableGroups(c.letters, c.digits);
        game.random.script({c.roll});
        EXPECT_EQ(LetterTable[ChooseLetter(game.run, game.random)].key, c.key)
            << "letters " << c.letters << ", digits " << c.digits << ", roll " << c.roll;
    }
    enableGroups(false, false);
    EXPECT_EQ(game.run.totalWeight, 0);
    SpawnItem(play, now());
    EXPECT_TRUE(game.field.items.empty());
}

TEST_F(Spawning, ItemsTurnFasterOnLaterSubLevelsAndTntFallsAndTurnsFasterStill) {
    struct Case {
        int subLevel;
        int tntRoll;
        float spin;
        bool tnt;
    } cases[] = {{0, 5, 0, false}, {2, 1, 20, false}, {2, 0, 50, true}, {4, 19, 40, false}, {4, 0, 100, true}};
    for (const Case& c : cases) {
        SetSubLevel(play, c.subLevel, false, now(), events);
        game.field.items.clear();
        scriptSpawn(200, 2, 7, c.tntRoll, 0);
        SpawnItem(play, now());
        ASSERT_EQ(game.field.items.size(), 1u);
        const FallingItem& item = game.field.items[0];
        EXPECT_EQ(item.tnt, c.tnt) << "sub-level " << c.subLevel << ", roll " << c.tntRoll;
        EXPECT_FLOAT_EQ(item.spinSpeed, c.spin);
        EXPECT_FLOAT_EQ(item.speed, ItemSpeed(game.run) * (c.tnt ? 2.5f : 1.0f));
        EXPECT_EQ(item.style, c.tnt ? regions::kTntStyle : 7);
        EXPECT_EQ(item.shape, 2);
    }
}

TEST_F(Spawning, ANewItemStartsAboveTheFieldCentredInTheWidestGapNearTheTop) {
    addItem('A', -65, 100);  // gaps: 15-100 (too narrow to matter), 165-300 and 365-460
    addItem('B', -20, 300);
    addItem('C', 260, 180);  // below every band: does not count
    // Tries in either wide gap, on the items and in the narrow one: the best
    // is the gap between A and B, and the item stands in its middle.
    for (int x : {380, 20, 170, 110, 230, 300, 390, 166}) game.random.script({x - 15});
    for (int i = 8; i < kTriesPerBand; ++i) game.random.script({0});
    EXPECT_EQ(ChooseSpawnX(game.field, game.random), 200);

    game.field.items.resize(2);
    scriptSpawn(170, 0, 0, 1, 0);
    SpawnItem(play, now());
    const FallingItem& item = game.field.items.back();
    EXPECT_FLOAT_EQ(QuadExtreme(item.baseQuad, QuadSide::Top), -65);
    EXPECT_FLOAT_EQ(QuadExtreme(item.baseQuad, QuadSide::Left), 200);
}

TEST_F(Spawning, AFullTopRowFallsBackToARandomPlaceInTheField) {
    for (float x = 0; x < 460; x += 60) addItem('A', -65, x);
    for (int i = 0; i < 4 * kTriesPerBand; ++i) game.random.script({0});  // every try blocked
    game.random.script({100});
    EXPECT_EQ(ChooseSpawnX(game.field, game.random), 115);
}

}  // namespace
}  // namespace glyphora
