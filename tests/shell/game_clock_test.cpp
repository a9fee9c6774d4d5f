#include "game/shell/game_clock.h"
#include "game/data/settings_file.h"
#include "game/screens/screen_table.h"
#include "game/shell/run_control.h"

#include <gtest/gtest.h>

#include "game/gameplay/progression.h"
#include "game/shell/main_loop.h"
#include "platform/fake/fake_platform.h"

namespace glyphora {
namespace {

class GameClock : public ::testing::Test {
protected:
    platform::FakePlatform fake;
    Game game{fake.bundle(), GameScreens()};
};

TEST_F(GameClock, ATenSecondPauseLeavesTheClockTheFallingLetterAndTheLevelTimerWhereTheyWere) {
    StartUp(game);
    NewGame(game);
    ASSERT_EQ(game.screen.current, ScreenKind::Play);
    game.run.spawnChance = 0;
    game.field.items.resize(1);
    FallingItem& item = game.field.items[0];
    item.baseQuad = MakeQuad(100, 150, kItemSize, kItemSize);
    item.speed = 20;
    item.spinSpeed = 0;
    item.lastUpdate = GameTime(game);
    game.run.levelStart = GameTime(game) - 15000;  // 5 s of the sub-level left

    const int before = GameTime(game);
    SetPaused(game, true, PauseReason::Key);
    for (int i = 0; i < 100; ++i) {
        fake.clock.advance(100);
        RunFrame(game);
        EXPECT_EQ(GameTime(game), before);
    }
    SetPaused(game, false);
    EXPECT_EQ(GameTime(game), before);
    RunFrame(game);
    EXPECT_FLOAT_EQ(game.field.items[0].baseQuad.corners[0].y, 150);
    EXPECT_EQ(GameTime(game) - game.run.levelStart, 15000);

    fake.clock.advance(5000);
    RunFrame(game);
    EXPECT_FLOAT_EQ(game.field.items[0].baseQuad.corners[0].y, 250);
    EXPECT_EQ(LevelNumber(game.run), 1) << "the sub-level ends only after its 20 seconds";
    fake.clock.advance(1);
    RunFrame(game);
    EXPECT_EQ(LevelNumber(game.run), 2);
}

TEST_F(GameClock, OnlyThePlayAndCreditsScreensPause) {
    for (const ScreenKind screen :
         {ScreenKind::MainMenu, ScreenKind::Settings, ScreenKind::Play, ScreenKind::Credits}) {
        game.screen.current = screen;
        SetPaused(game, true, PauseReason::ConfirmQuit);
        const bool pausable = screen == ScreenKind::Play || screen == ScreenKind::Credits;
        EXPECT_EQ(game.shell.paused, pausable) << static_cast<int>(screen);
        if (pausable) { EXPECT_EQ(game.shell.pauseReason, PauseReason::ConfirmQuit); }
        SetPaused(game, false);
    }
}

TEST_F(GameClock, TheClockRunsOnAcrossTheWrapOfTheTick) {
    fake.clock.set(0xFFFFFF00u);
    game.screen.current = ScreenKind::Play;
    SetPaused(game, true);
    fake.clock.advance(0x200);
    SetPaused(game, false);
    const int before = GameTime(game);
    fake.clock.advance(50);
    EXPECT_EQ(Elapsed(GameTime(game), before), 50);
    EXPECT_EQ(game.shell.pausedTotal, 0x200);
}

TEST(WindowPosition, APositionOutsideTheRangeOnEitherAxisBecomesOneHundred) {
    struct Case {
        int x, y, expectedX, expectedY;
    };
    const Case cases[] = {{-500, 20, 100, 100},
                          {-100, 800, -100, 800},
                          {20, 801, 100, 100},
                          {-101, -101, 100, 100},
                          {400, 300, 400, 300}};
    for (const Case& c : cases) {
        const platform::Point clamped = ClampWindowPosition({c.x, c.y}, {1024, 768});
        EXPECT_EQ(clamped.x, c.expectedX) << c.x << "," << c.y;
        EXPECT_EQ(clamped.y, c.expectedY) << c.x << "," << c.y;
    }
}

}  // namespace
}  // namespace glyphora
