#include "game/gameplay/update_play.h"
#include "game/shell/run_control.h"

#include <cmath>

#include "game/gameplay/falling_items.h"
#include "play_fixture.h"

namespace glyphora {
namespace {

using testing::PlayFixture;

class UpdatePlayTest : public PlayFixture {
protected:
    void frame(std::uint32_t ms) {
        advance(ms);
        UpdatePlay(game);
    }
};

TEST_F(UpdatePlayTest, ItemsFallAtTheirSpeedAndTurnAtTheirSpinSpeed) {
    FallingItem& item = addItem('A', 0);
    item.speed = 40;
    item.spinSpeed = 90;
    frame(500);
    const FallingItem& moved = game.field.items[0];
    EXPECT_FLOAT_EQ(moved.baseQuad.corners[0].y, 20);
    EXPECT_FLOAT_EQ(moved.angle, 45);
    EXPECT_NEAR(QuadExtreme(moved.displayQuad, QuadSide::Bottom), 20 + 32.5f + 32.5f * std::sqrt(2.0f), 1e-3);
}

TEST_F(UpdatePlayTest, AnUncaughtLetterLeavingTheFieldCostsALifeButNotATntOneOrACaughtOne) {
    struct Case {
        const char* name;
        bool tnt, caught, invulnerable;
        int livesLost;
    };
    const Case cases[] = {
        {"plain letter", false, false, false, 1},
        {"TNT letter", true, false, false, 0},
        {"being caught", false, true, false, 0},
        {"while invulnerable", false, false, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        game.field.items.clear();
        game.run.lives = 3;
        game.cheats.invulnerable = c.invulnerable;
        FallingItem& item = addItem('A', kFallOutY - kItemSize - 1, 100, c.tnt);
        if (c.caught) item.spinning = true, item.caughtTime = GameTime(game);
        frame(20);
        EXPECT_EQ(game.field.items.size(), 1u) << "still in the field";
        frame(100);
        EXPECT_TRUE(game.field.items.empty());
        EXPECT_EQ(game.run.lives, 3 - c.livesLost);
    }
}

TEST_F(UpdatePlayTest, ACaughtItemIsRemovedHalfASecondAfterTheCatch) {
    FallingItem& item = addItem('O', 0);
    item.shape = 0;
    StartCatchAnimation(item, GameTime(game), game.random);
    EXPECT_TRUE(item.shrinking);
    EXPECT_FALSE(item.spinning) << "a round glyph on shape 0 only shrinks";
    frame(250);
    EXPECT_NEAR(QuadExtreme(game.field.items[0].displayQuad, QuadSide::Right) -
                    QuadExtreme(game.field.items[0].displayQuad, QuadSide::Left),
                kItemSize / 2, 1e-3);
    frame(250);
    EXPECT_EQ(game.field.items.size(), 1u);
    frame(1);
    EXPECT_TRUE(game.field.items.empty());
}

TEST_F(UpdatePlayTest, TheLastLifeLostEndsTheRun) {
    game.run.lives = 1;
    addItem('A', kFallOutY - kItemSize + 1);
    frame(100);
    EXPECT_EQ(game.run.lives, 0);
    EXPECT_EQ(game.screen.current, ScreenKind::GameOver);
}

TEST_F(UpdatePlayTest, ItemsAppearAtTheSpawnChanceTestedEveryTwoHundredMilliseconds) {
    struct Case {
        float chance;
        std::uint32_t frameMs;
        int frames, fewest, most;
    };
    const Case cases[] = {
        {0, 201, 200, 0, 0},
        {100, 201, 200, 200, 200},
        {50, 201, 200, 75, 125},
        {100, 100, 300, 100, 100},
    };
    for (const Case& c : cases) {
        game.run.spawnChance = c.chance;
        int spawned = 0;
        for (int i = 0; i < c.frames; ++i) {
            frame(c.frameMs);
            spawned += static_cast<int>(game.field.items.size());
            game.field.items.clear();
            game.run.levelStart = GameTime(game);  // keep the sub-level and its chance
        }
        EXPECT_GE(spawned, c.fewest) << c.chance << "% every " << c.frameMs << " ms";
        EXPECT_LE(spawned, c.most) << c.chance << "% every " << c.frameMs << " ms";
    }
}

TEST_F(UpdatePlayTest, ItemsSpawnWhateverTheTickCountOnAFreshField) {
    for (const std::uint32_t tick : {0x00001000u, 0x7FFFFF00u, 0x90000000u, 0xFFFFFF00u}) {
        fake.clock.set(tick);
        game.field.lastSpawnCheck = 0;  // as in a fresh game
        NewGame(game);
        game.field.items.clear();
        game.run.spawnChance = 100;
        frame(16);
        EXPECT_EQ(game.field.items.size(), 1u) << std::hex << tick;
    }
}

TEST_F(UpdatePlayTest, TheCursorHidesAfterFourIdleSeconds) {
    game.shell.lastMouseMoveTick = fake.clock.tickCount();
    frame(4000);
    EXPECT_TRUE(fake.desktop.cursorVisible);
    frame(1);
    EXPECT_FALSE(fake.desktop.cursorVisible);
    EXPECT_FALSE(game.shell.cursorVisible);
}

}  // namespace
}  // namespace glyphora
