// The global keys: the quit and new-game questions on the play screen, the
// pause key, the volumes and minimising.
#include "game/shell/key_routing.h"
#include "game/shell/window_position.h"

#include "game/screens/pause_screen.h"
#include "platform/keys.h"
#include "support/started_game.h"

namespace glyphora {
namespace {

class KeyRouting : public testing::StartedGame {
protected:
    // A run in progress with something to lose: a restarted run has none of it.
    void startMarkedRun() {
        startRun();
        game.run.lettersCaught = 12;
        game.store.setRunScore(345);
    }
    bool runRestarted() const { return game.run.lettersCaught == 0 && game.store.runScore() == 0; }
};

TEST_F(KeyRouting, EscOnPlayAsksASecondEscEndsTheRunAndF1ResumesInstead) {
    startMarkedRun();
    key(vk::Escape);
    EXPECT_EQ(screen(), ScreenKind::Play);
    ASSERT_TRUE(game.shell.paused);
    EXPECT_EQ(game.shell.pauseReason, PauseReason::ConfirmQuit);

    key(vk::F1);
    EXPECT_EQ(screen(), ScreenKind::Play);
    EXPECT_FALSE(game.shell.paused) << "F1 answers the question by going on";

    key(vk::Escape);
    key(vk::Escape);
    EXPECT_EQ(screen(), ScreenKind::GameOver);
    EXPECT_FALSE(game.shell.paused) << "the clock runs again on the game-over screen";
    EXPECT_EQ(game.run.ending.finalScore, 345);
}

TEST_F(KeyRouting, EscDuringAnotherPauseOnlyAsksTheQuitQuestion) {
    for (const PauseReason reason : {PauseReason::Key, PauseReason::ConfirmNewGame, PauseReason::Away}) {
        startMarkedRun();
        SetPaused(game, true, reason);
        key(vk::Escape);
        EXPECT_EQ(screen(), ScreenKind::Play) << static_cast<int>(reason);
        EXPECT_EQ(game.shell.pauseReason, PauseReason::ConfirmQuit) << static_cast<int>(reason);
    }
}

TEST_F(KeyRouting, F3AsksBeforeANewGameWhenTheSettingsSaySoAndF4Answers) {
    game.settings.queryF3 = true;
    startMarkedRun();
    key(vk::F4);
    EXPECT_FALSE(game.shell.paused) << "F4 without the question does nothing";
    EXPECT_FALSE(runRestarted());

    key(vk::F3);
    ASSERT_TRUE(game.shell.paused);
    EXPECT_EQ(game.shell.pauseReason, PauseReason::ConfirmNewGame);
    EXPECT_FALSE(runRestarted());
    key(vk::F3);  // asked already: nothing more
    EXPECT_EQ(game.shell.pauseReason, PauseReason::ConfirmNewGame);
    key(vk::F4);
    EXPECT_TRUE(runRestarted());
    EXPECT_EQ(screen(), ScreenKind::Play);
    EXPECT_FALSE(game.shell.paused);

    startMarkedRun();
    SetPaused(game, true, PauseReason::ConfirmQuit);
    key(vk::F3);
    EXPECT_EQ(game.shell.pauseReason, PauseReason::ConfirmNewGame) << "the question replaces the other one";
}

TEST_F(KeyRouting, F3StartsANewGameAtOnceWithoutTheQuestionAndOnOtherScreens) {
    game.settings.queryF3 = false;
    startMarkedRun();
    key(vk::F3);
    EXPECT_TRUE(runRestarted());
    EXPECT_FALSE(game.shell.paused);

    game.settings.queryF3 = true;
    for (const ScreenKind from : {ScreenKind::Settings, ScreenKind::MainMenu, ScreenKind::HighScores}) {
        startMarkedRun();
        SwitchScreen(game, from);
        key(vk::F3);
        EXPECT_EQ(screen(), ScreenKind::Play) << static_cast<int>(from);
        EXPECT_TRUE(runRestarted()) << static_cast<int>(from);
    }
}

TEST_F(KeyRouting, F3OnTheFreeGameScreenStartsTheGameItsBoxesDescribe) {
    clickButton(FreeGameButton);
    ASSERT_EQ(screen(), ScreenKind::FreeGameSetup);
    for (auto& row : game.settings.freeGameKeys) {
        row[kLettersAndSpace] = false;
        row[kDigits] = true;
    }
    key(vk::F3);
    ASSERT_EQ(screen(), ScreenKind::Play);
    EXPECT_TRUE(game.run.freeGame);
    EXPECT_FALSE(game.run.groupEnabled[kLettersAndSpace]);
    EXPECT_TRUE(game.run.groupEnabled[kDigits]);
}

TEST_F(KeyRouting, EscLeadsBackToTheMainMenuExceptFromItAndTheIntro) {
    const ScreenKind screens[] = {ScreenKind::HighScores, ScreenKind::FreeGameSetup, ScreenKind::Settings,
                                  ScreenKind::Help,       ScreenKind::Credits,       ScreenKind::DifficultyChoice,
                                  ScreenKind::GameOver};
    for (const ScreenKind from : screens) {
        SwitchScreen(game, from);
        key(vk::Escape);
        EXPECT_EQ(screen(), ScreenKind::MainMenu) << static_cast<int>(from);
    }
    key(vk::Escape);
    EXPECT_EQ(screen(), ScreenKind::MainMenu);
    EXPECT_FALSE(fake.messages.quitCode.has_value());
    SwitchScreen(game, ScreenKind::Intro);
    key(vk::Escape);
    EXPECT_EQ(screen(), ScreenKind::Intro);
}

TEST_F(KeyRouting, VolumeKeysStepWithinZeroToTenAndShowOnThePauseScreen) {
    int& music = game.settings.musicVolume;
    int& sound = game.settings.soundVolume;
    music = 1;
    sound = 9;
    keys({vk::F5, vk::F5, vk::F8, vk::F8});
    EXPECT_EQ(music, 0);
    EXPECT_EQ(sound, 10);
    keys({vk::F6, vk::F7});
    EXPECT_EQ(music, 1);
    EXPECT_EQ(sound, 9);
    EXPECT_EQ(game.shell.volumeOverlayTick, 0u) << "not paused: no overlay";

    startRun();
    key(vk::F1);
    fake.clock.advance(40);
    key(vk::F6);
    EXPECT_EQ(game.shell.volumeOverlayTick, fake.clock.tickCount());
    key(vk::F1);
    key(vk::F1);
    EXPECT_EQ(game.shell.volumeOverlayTick, 0u) << "a new pause starts without the overlay";
}

TEST_F(KeyRouting, F12PausesRemembersThePositionAndMinimises) {
    startRun();
    PlaceWindow(game, {123, 45});
    key(vk::F12);
    EXPECT_EQ(fake.window.minimised, 1);
    EXPECT_TRUE(game.shell.paused);
    EXPECT_EQ(game.shell.pauseReason, PauseReason::Away);
    EXPECT_EQ(game.shell.savedPosition.x, 123);
    EXPECT_EQ(game.shell.savedPosition.y, 45);
}

TEST_F(KeyRouting, F1PausesOnlyPlayAndCredits) {
    key(vk::F1);
    EXPECT_FALSE(game.shell.paused) << "main menu";
    SwitchScreen(game, ScreenKind::Credits);
    key(vk::F1);
    EXPECT_TRUE(game.shell.paused);
    EXPECT_EQ(game.shell.pauseReason, PauseReason::Key);
}

TEST_F(KeyRouting, LeavingPausedCreditsLetsTheClockRunOnTheMainMenu) {
    SwitchScreen(game, ScreenKind::Credits);
    key(vk::F1);
    key(vk::Escape);
    ASSERT_EQ(screen(), ScreenKind::MainMenu);
    EXPECT_FALSE(game.shell.paused);
    const int before = GameTime(game);
    fake.clock.advance(500);
    EXPECT_EQ(GameTime(game) - before, 500);
}

TEST_F(KeyRouting, EnterOnPlayDetonatesButNotDuringAPause) {
    startRun();
    game.run.tntCharges = 2;
    key(vk::F1);
    key(vk::Enter);
    EXPECT_EQ(game.run.tntCharges, 2);
    key(vk::F1);
    key(vk::Enter);
    EXPECT_EQ(game.run.tntCharges, 1);
    EXPECT_TRUE(game.run.blastRunning);
}

// With no box ticked nothing would ever fall: neither F3 nor Start begins
// a run, and the screen says why.
TEST_F(KeyRouting, AFreeGameWithNothingTickedDoesNotStart) {
    clickButton(FreeGameButton);
    for (auto& row : game.settings.freeGameKeys)
        for (bool& chosen : row) chosen = false;
    key(vk::F3);
    EXPECT_EQ(screen(), ScreenKind::FreeGameSetup);
    clickButton(StartFreeGameButton);
    EXPECT_EQ(screen(), ScreenKind::FreeGameSetup);
    EXPECT_FALSE(FreeGameHasCharacters(game));
    game.settings.freeGameKeys[4][kDigits] = true;
    clickButton(StartFreeGameButton);
    EXPECT_EQ(screen(), ScreenKind::Play);
}

}  // namespace
}  // namespace glyphora
