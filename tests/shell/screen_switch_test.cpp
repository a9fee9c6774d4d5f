// Switching screens with the mouse and the keys: what entering and leaving
// each screen does, and which buttons take clicks where.
#include "game/shell/screens.h"

#include "game/shell/settings_binding.h"
#include "platform/keys.h"
#include "support/started_game.h"

namespace glyphora {
namespace {

using ScreenSwitch = testing::StartedGame;

TEST_F(ScreenSwitch, EachMainMenuButtonOpensItsScreenWhereItStands) {
    struct Case {
        ImageButtonName button;
        ScreenKind opens;
    };
    const Case cases[] = {{FreeGameButton, ScreenKind::FreeGameSetup},
                          {HighScoresButton, ScreenKind::HighScores},
                          {HelpButton, ScreenKind::Help},
                          {SettingsButton, ScreenKind::Settings},
                          {CreditsButton, ScreenKind::Credits},
                          {PlayButton, ScreenKind::Play}};
    for (const Case& c : cases) {
        SwitchScreen(game, ScreenKind::MainMenu);
        clickButton(c.button);
        EXPECT_EQ(screen(), c.opens) << c.button;
    }
    EXPECT_FALSE(game.run.freeGame) << "New game starts a standard game";
    SwitchScreen(game, ScreenKind::MainMenu);
    clickButton(QuitButton);
    EXPECT_EQ(fake.messages.quitCode, 5);
}

TEST_F(ScreenSwitch, APressWhereAnotherScreensButtonStandsDoesNothing) {
    const Rect quit = game.widgets.imageButtons[QuitButton].rect;
    SwitchScreen(game, ScreenKind::Settings);
    click({quit.left + 2, quit.top + 2});
    EXPECT_EQ(screen(), ScreenKind::Settings);
    EXPECT_FALSE(fake.messages.quitCode.has_value());
}

TEST_F(ScreenSwitch, TheIntroLeadsThroughTheNoteAndTheDifficultyChoiceToTheMainMenu) {
    game.menus.introStart = GameTime(game);
    SwitchScreen(game, ScreenKind::Intro);
    frames(8000);
    clickButton(ShowNoteButton);
    EXPECT_TRUE(game.menus.noteShown);
    EXPECT_EQ(screen(), ScreenKind::Intro);
    clickButton(ContinueButton);  // it overlaps Show note, which no longer takes the click
    ASSERT_EQ(screen(), ScreenKind::DifficultyChoice);
    game.settings.difficulty = 1;
    clickButton(DifficultyUpButton);
    clickButton(DifficultyUpButton);
    EXPECT_EQ(game.settings.difficulty, 2);
    clickButton(OkButton);
    EXPECT_EQ(screen(), ScreenKind::MainMenu);
}

TEST_F(ScreenSwitch, TheDifficultyArrowsChooseTheTableOnHighScoresAndTheGameDifficultyOnSettings) {
    game.settings.difficulty = 1;
    game.screen.viewedDifficulty = 1;
    SwitchScreen(game, ScreenKind::HighScores);
    clickButton(DifficultyDownButton);
    clickButton(DifficultyDownButton);
    EXPECT_EQ(game.screen.viewedDifficulty, 0);
    EXPECT_EQ(game.settings.difficulty, 1);
    SwitchScreen(game, ScreenKind::Settings);
    clickButton(DifficultyUpButton);
    EXPECT_EQ(game.settings.difficulty, 2);
    EXPECT_TRUE(game.screen.difficultyHint);
    fake.desktop.cursor = {300, 190};  // still on the hint
    frames(16);
    EXPECT_TRUE(game.screen.difficultyHint);
    fake.desktop.cursor = {300, 300};
    frames(16);
    EXPECT_FALSE(game.screen.difficultyHint);
}

TEST_F(ScreenSwitch, LeavingTheSettingsScreenWritesTheFileEvenWhenNothingChanged) {
    game.settings.musicVolume = 3;
    game.settings.defaultName = "Ada";
    SwitchScreen(game, ScreenKind::Settings);
    ASSERT_FALSE(std::filesystem::exists("Data/Settings.ini"));
    key(vk::Escape);
    const std::string written = testing::ReadBytes("Data/Settings.ini");
    EXPECT_NE(written.find("music=3\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("default_name=Ada\r\n"), std::string::npos) << written;
}

TEST_F(ScreenSwitch, CheckBoxesAndTheDefaultNameTakeInputOnlyOnTheirScreens) {
    ToggleButton& box = game.widgets.freeGameToggles[2][1];
    ToggleButton& askF3 = game.widgets.askF3Toggle;
    TextField& name = game.widgets.defaultNameField;
    const bool boxWas = *box.checked, askWas = *askF3.checked;
    click({box.rect.left + 3, box.rect.top + 3});
    click({askF3.rect.left + 3, askF3.rect.top + 3});
    EXPECT_EQ(*box.checked, boxWas);
    EXPECT_EQ(*askF3.checked, askWas);
    EXPECT_FALSE(name.active);

    SwitchScreen(game, ScreenKind::FreeGameSetup);
    click({box.rect.left + 3, box.rect.top + 3});
    EXPECT_NE(*box.checked, boxWas);
    SwitchScreen(game, ScreenKind::Settings);
    click({askF3.rect.left + 3, askF3.rect.top + 3});
    EXPECT_NE(*askF3.checked, askWas);
    EXPECT_TRUE(name.active);
    key(vk::Escape);
    EXPECT_FALSE(name.active);
    EXPECT_FALSE(askF3.toggleEnabled);
}

TEST_F(ScreenSwitch, GroupNamesAreEditedOnTheHighScoreScreenAndKeptWhenItIsLeft) {
    game.settings.groups[0] = "Typists";
    SwitchScreen(game, ScreenKind::HighScores);
    TextField& field = game.widgets.groupFields[0];
    EXPECT_EQ(field.text, &game.settings.groups[0]) << "the field edits the setting itself";
    EXPECT_FALSE(field.active) << "the local table shows first";
    clickButton(GroupsButton);
    EXPECT_EQ(game.screen.scoreView, 1);
    click({field.rect.left + 5, field.rect.top + 5});
    type("\b2");
    EXPECT_EQ(CollectSettings(game).groups[0], "Typist2") << "a save while editing takes the edited name";
    key(vk::Escape);
    EXPECT_EQ(game.settings.groups[0], "Typist2");
    EXPECT_FALSE(field.active);
    EXPECT_EQ(CollectSettings(game).groups[0], "Typist2");
}

TEST_F(ScreenSwitch, TheMainMenuClearsTheFreeGameAndTheHelpOpensOnItsFirstPage) {
    clickButton(FreeGameButton);
    EXPECT_TRUE(game.run.freeGame);
    clickButton(BackButton);
    EXPECT_EQ(screen(), ScreenKind::MainMenu);
    EXPECT_FALSE(game.run.freeGame);
    clickButton(HelpButton);
    clickButton(HelpPage2Button);
    EXPECT_EQ(game.screen.helpPage, 1);
    key(vk::Escape);
    clickButton(HelpButton);
    EXPECT_EQ(game.screen.helpPage, 0);
}

TEST_F(ScreenSwitch, TheOnlineButtonShowsTheConnectionMessageForAFrameAndTheButtonsComeBack) {
    SwitchScreen(game, ScreenKind::HighScores);
    const int presents = fake.window.device->presents;
    clickButton(OnlineScoresButton);
    EXPECT_EQ(game.menus.connectionMessage, "CONNECTING TO GLYPHORA HIGH SCORES SERVER...");
    EXPECT_EQ(fake.window.device->presents, presents + 1);
    EXPECT_FALSE(game.menus.connectionMessageShown);
}

TEST(StateNames, FailureMessagesNameTheStatesAndFallBackToTheNumber) {
    EXPECT_EQ(::testing::PrintToString(ScreenKind::DifficultyChoice), "DifficultyChoice");
    EXPECT_EQ(::testing::PrintToString(ScreenKind::Play), "Play");
    EXPECT_EQ(::testing::PrintToString(PeekState::Leaving), "Leaving");
    EXPECT_EQ(::testing::PrintToString(PauseReason::Away), "Away");
    EXPECT_EQ(::testing::PrintToString(static_cast<ScreenKind>(42)), "42");
}

}  // namespace
}  // namespace glyphora
