// The keyboard focus over the menu screens' buttons: its order and wrap, the
// keyboard highlight, activation with Enter, and the mouse clearing it.
#include "game/shell/keyboard_focus.h"

#include <functional>

#include "platform/keys.h"
#include "support/started_game.h"

namespace glyphora {
namespace {

class KeyboardFocus : public testing::StartedGame {
protected:
    const ImageButton& button(ImageButtonName name) const { return game.widgets.imageButtons[name]; }
    bool highlighted(ImageButtonName name) const {
        return button(name).forced && button(name).forcedState == ButtonHover;
    }
};

TEST_F(KeyboardFocus, MainMenuOrderWrapsBothWays) {
    struct Case {
        int from;
        int key;
        int to;
    };
    const Case cases[] = {
        {-1, vk::Left, 6}, {-1, vk::Right, 0}, {-1, vk::Tab, 0}, {6, vk::Right, 0}, {0, vk::Left, 6}, {2, vk::Right, 3},
        {3, vk::Left, 2},  {4, vk::Tab, 5},    {4, vk::Up, 4},   {4, vk::Down, 4},  {-1, vk::Up, -1},
    };
    for (const Case& c : cases) {
        game.screen.focus = c.from;
        key(c.key);
        EXPECT_EQ(game.screen.focus, c.to) << "from " << c.from << " key " << c.key;
    }
}

TEST_F(KeyboardFocus, TheFocusedButtonIsHighlightedAndTheOthersShowTheirKeyboardState) {
    key(vk::Left);  // Quit
    EXPECT_TRUE(highlighted(QuitButton));
    for (int i = PlayButton; i < QuitButton; ++i) {
        EXPECT_TRUE(button(ImageButtonName(i)).forced) << i;
        EXPECT_EQ(button(ImageButtonName(i)).forcedState, ButtonNormal) << i;
    }
    key(vk::Right);  // wraps to New game
    EXPECT_TRUE(highlighted(PlayButton));
    EXPECT_FALSE(highlighted(QuitButton));
}

TEST_F(KeyboardFocus, EnterRunsTheFocusedButtonsActionAndNothingWithoutFocus) {
    key(vk::Enter);
    EXPECT_EQ(screen(), ScreenKind::MainMenu);
    keys({vk::Right, vk::Right, vk::Right, vk::Right, vk::Right});  // Settings
    key(vk::Enter);
    EXPECT_EQ(screen(), ScreenKind::Settings);
    EXPECT_EQ(game.screen.focus, -1) << "a new screen starts without focus";
    EXPECT_FALSE(button(SettingsButton).forced);

    SwitchScreen(game, ScreenKind::MainMenu);
    key(vk::Left);  // Quit
    key(vk::Enter);
    EXPECT_EQ(fake.messages.quitCode, 5);
}

TEST_F(KeyboardFocus, MovingTheMouseClearsTheFocusSoEnterDoesNothing) {
    key(vk::Right);
    ASSERT_EQ(game.screen.focus, 0);
    frames(16);
    EXPECT_EQ(game.screen.focus, 0) << "a frame without mouse movement keeps the focus";
    fake.desktop.cursor = {300, 200};
    frames(16);
    EXPECT_EQ(game.screen.focus, -1);
    EXPECT_FALSE(button(PlayButton).forced);
    key(vk::Enter);
    EXPECT_EQ(screen(), ScreenKind::MainMenu);
}

TEST_F(KeyboardFocus, HelpFocusesTheShownPagesButtonFirst) {
    struct Case {
        int page;
        int firstKey;
        int first;
        int second;  // after one more Right
    };
    for (const Case c : {Case{0, vk::Right, 0, 1}, Case{1, vk::Left, 1, 2}, Case{2, vk::Right, 2, 3}}) {
        SwitchScreen(game, ScreenKind::Help);
        game.screen.helpPage = c.page;
        key(c.firstKey);
        EXPECT_EQ(game.screen.focus, c.first) << "page " << c.page;
        key(vk::Right);
        EXPECT_EQ(game.screen.focus, c.second) << "page " << c.page;
    }
    EXPECT_TRUE(highlighted(ManualButton)) << "after the keys page's button";
    key(vk::Enter);
    EXPECT_EQ(fake.shell.opened.size(), 1u) << "Enter on Manual opens the manual";
    keys({vk::Right, vk::Right});
    EXPECT_EQ(game.screen.focus, 0) << "five buttons, wrapping";
    keys({vk::Right, vk::Right});
    key(vk::Enter);
    EXPECT_EQ(game.screen.helpPage, 2) << "the keys page";
}

TEST_F(KeyboardFocus, HelpButtonsKeepTheirKeyboardStateWhenTheMouseMovesButNotIntoTheNextVisit) {
    SwitchScreen(game, ScreenKind::Help);
    key(vk::Right);
    fake.desktop.cursor = {300, 200};
    frames(16);
    EXPECT_EQ(game.screen.focus, -1);
    EXPECT_TRUE(highlighted(HelpPage1Button));
    key(vk::Escape);
    SwitchScreen(game, ScreenKind::Help);
    EXPECT_FALSE(button(HelpPage1Button).forced);
}

TEST_F(KeyboardFocus, CreditsFocusWalksBothDonationButtonsThenBack) {
    SwitchScreen(game, ScreenKind::Credits);
    key(vk::Right);
    EXPECT_TRUE(highlighted(DonateUsdButton));
    key(vk::Enter);
    key(vk::Right);
    EXPECT_TRUE(highlighted(DonateEurButton));
    key(vk::Enter);
    EXPECT_EQ(fake.shell.opened.size(), 2u) << "each opens its donation page";
    EXPECT_NE(fake.shell.opened[0], fake.shell.opened[1]);
    fake.desktop.cursor = {300, 200};
    frames(16);
    EXPECT_FALSE(button(DonateEurButton).forced) << "the mouse clears them as it clears Back";
    key(vk::Left);
    EXPECT_TRUE(highlighted(BackButton));
    key(vk::Enter);
    EXPECT_EQ(screen(), ScreenKind::MainMenu);
}

// The controls come before the buttons; what shows the focus on each.
TEST_F(KeyboardFocus, TabWalksTheControlsOfSettingsAndTheFreeGameThenTheirButtons) {
    const Widgets& w = game.widgets;
    struct Case {
        ScreenKind screen;
        int tabs;
        std::function<bool()> shown;
        const char* what;
    };
    const Case cases[] = {
        {ScreenKind::Settings, 1, [&] { return w.defaultNameField.focused; }, "name field"},
        {ScreenKind::Settings, 2, [&] { return highlighted(DifficultyDownButton) && highlighted(DifficultyUpButton); },
         "difficulty arrows"},
        {ScreenKind::Settings, 3, [&] { return w.sliders[MusicVolumeSlider].keyboardFocus; }, "music"},
        {ScreenKind::Settings, 4, [&] { return w.sliders[SoundVolumeSlider].keyboardFocus; }, "sound"},
        {ScreenKind::Settings, 5, [&] { return w.askF3Toggle.forced && w.askF3Toggle.forcedState == ButtonHover; },
         "F3 box"},
        {ScreenKind::Settings, 6, [&] { return highlighted(BackButton) && !w.defaultNameField.focused; }, "Back"},
        {ScreenKind::FreeGameSetup, 4, [&] { return w.freeGameToggles[1][1].forcedState == ButtonHover; }, "box 4"},
        {ScreenKind::FreeGameSetup, 14, [&] { return w.sliders[MaxLivesSlider].keyboardFocus; }, "lives"},
        {ScreenKind::FreeGameSetup, 16, [&] { return highlighted(BackButton); }, "Back"},
        {ScreenKind::FreeGameSetup, 17, [&] { return w.freeGameToggles[0][0].forcedState == ButtonHover; },
         "wraps to box 1"},
    };
    for (const Case& c : cases) {
        SwitchScreen(game, c.screen);
        for (int i = 0; i < c.tabs; ++i) key(vk::Tab);
        EXPECT_TRUE(c.shown()) << c.what;
    }
    SwitchScreen(game, ScreenKind::Settings);
    keys({vk::Down, vk::Down, vk::Down, vk::Up});
    EXPECT_TRUE(highlighted(DifficultyDownButton)) << "Up and Down walk where there are controls";
    key(vk::Left);
    EXPECT_TRUE(w.sliders[SoundVolumeSlider].keyboardFocus == false && highlighted(DifficultyDownButton))
        << "Left on the arrows lowers the difficulty and keeps the focus";
}

TEST_F(KeyboardFocus, SlidersMoveWithinTheirRangeAndBoxesFlipWithSpaceOrEnter) {
    SwitchScreen(game, ScreenKind::FreeGameSetup);
    game.settings.maxLives = 7;
    for (int i = 0; i < 14; ++i) key(vk::Tab);  // the lives slider
    keys({vk::Right, vk::Right, vk::Right});
    EXPECT_EQ(game.settings.maxLives, 8) << "held at its top";
    game.settings.startLevel = 2;
    keys({vk::Up, vk::Up, vk::Up, vk::Left, vk::Left, vk::Left});  // the start level
    EXPECT_EQ(game.settings.startLevel, 1) << "held at its bottom";

    game.settings.freeGameKeys[2][0] = false;
    for (int i = 0; i < 6; ++i) key(vk::Up);  // box 5: row 2, letters
    key(vk::Space);
    EXPECT_TRUE(game.settings.freeGameKeys[2][0]);
    key(vk::Enter);
    EXPECT_FALSE(game.settings.freeGameKeys[2][0]);
    EXPECT_EQ(screen(), ScreenKind::FreeGameSetup);

    fake.desktop.cursor = {300, 200};
    frames(16);
    EXPECT_FALSE(game.widgets.freeGameToggles[2][0].forced) << "the mouse clears the focus on the controls too";
    EXPECT_FALSE(game.widgets.sliders[StartLevelSlider].keyboardFocus);
}

TEST_F(KeyboardFocus, HighScoresArrowsUpAndDownChangeTheTableShownWithinItsRange) {
    SwitchScreen(game, ScreenKind::HighScores);
    game.screen.viewedDifficulty = 1;
    keys({vk::Up, vk::Up, vk::Up});
    EXPECT_EQ(game.screen.viewedDifficulty, 2);
    keys({vk::Down, vk::Down, vk::Down});
    EXPECT_EQ(game.screen.viewedDifficulty, 0);
    EXPECT_EQ(game.screen.focus, -1);
    key(vk::Left);
    EXPECT_TRUE(highlighted(BackButton));
}

// The intro's focus stands only on the button that shows; the note's button
// hands it to Continue.
TEST_F(KeyboardFocus, TheIntroFocusesTheButtonThatShows) {
    SwitchScreen(game, ScreenKind::Intro);
    game.menus.introStart = GameTime(game);
    frames(1000);
    key(vk::Tab);
    EXPECT_EQ(game.screen.focus, -1) << "nothing shows yet";
    frames(7000);
    key(vk::Tab);
    EXPECT_TRUE(highlighted(ShowNoteButton));
    key(vk::Enter);
    EXPECT_TRUE(game.menus.noteShown);
    EXPECT_TRUE(highlighted(ContinueButton));
    key(vk::Enter);
    EXPECT_EQ(screen(), ScreenKind::DifficultyChoice);
}

// Tab walks the arrows and OK; Left and Right change the difficulty from
// anywhere, the arrows taking the focus; Enter is OK wherever it stands.
TEST_F(KeyboardFocus, TheDifficultyChoiceWalksItsArrowsAndOk) {
    SwitchScreen(game, ScreenKind::DifficultyChoice);
    game.settings.difficulty = kMedium;
    key(vk::Tab);
    EXPECT_TRUE(highlighted(DifficultyDownButton) && highlighted(DifficultyUpButton));
    EXPECT_EQ(game.settings.difficulty, kMedium) << "Tab changes nothing";
    key(vk::Tab);
    EXPECT_TRUE(highlighted(OkButton));
    EXPECT_FALSE(highlighted(DifficultyDownButton));
    key(vk::Right);
    EXPECT_EQ(game.settings.difficulty, kHard);
    EXPECT_TRUE(highlighted(DifficultyUpButton) && !highlighted(OkButton));
    keys({vk::Down, vk::Enter});
    EXPECT_EQ(screen(), ScreenKind::MainMenu);
}

// Showing the group names takes a keyboard focus into the first; Up and Down
// (and Tab) walk the fields, each taking the typing while focused.
TEST_F(KeyboardFocus, TheGroupNamesTakeTheFocusAndTheTypingWhileTheyShow) {
    SwitchScreen(game, ScreenKind::HighScores);
    for (std::string& group : game.settings.groups) group.clear();
    key(vk::Tab);
    EXPECT_TRUE(highlighted(LocalScoresButton)) << "hidden fields are no stops";
    keys({vk::Tab, vk::Enter});
    ASSERT_EQ(game.screen.scoreView, 1);
    EXPECT_TRUE(game.widgets.groupFields[0].focused);
    type("ab");
    keys({vk::Down, vk::Down});
    type("cd");
    key(vk::Up);
    EXPECT_TRUE(game.widgets.groupFields[1].focused);
    EXPECT_FALSE(game.widgets.groupFields[2].focused);
    EXPECT_EQ(game.settings.groups[0], "ab");
    EXPECT_EQ(game.settings.groups[2], "cd");
    keys({vk::Tab, vk::Tab, vk::Tab, vk::Tab});
    EXPECT_TRUE(highlighted(LocalScoresButton));
    EXPECT_FALSE(game.widgets.groupFields[4].focused);
    key(vk::Enter);
    EXPECT_EQ(game.screen.scoreView, 0);
}

// While the connection message stands in place of the high-score row, its
// buttons are disabled: the focus skips them and Enter runs none of them.
TEST_F(KeyboardFocus, DisabledButtonsAreSkippedAndNeverRunByEnter) {
    SwitchScreen(game, ScreenKind::HighScores);
    game.menus.connectionMessage = "CONNECTING";
    game.menus.connectionMessageShown = true;
    DrawFrame(game);
    key(vk::Tab);
    EXPECT_EQ(game.screen.focus, -1);
    key(vk::Enter);
    EXPECT_EQ(screen(), ScreenKind::HighScores);

    game.menus.connectionMessageShown = false;
    DrawFrame(game);
    game.widgets.imageButtons[GroupsButton].enabled = false;
    keys({vk::Tab, vk::Tab});
    EXPECT_TRUE(highlighted(OnlineScoresButton)) << "from Local straight to Online";
}

}  // namespace
}  // namespace glyphora
