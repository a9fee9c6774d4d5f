// Each screen places the buttons it shows: a button left where another
// screen put it would be drawn, and clicked, in the wrong place.
#include "game/screens/menu_screens.h"

#include "game/screens/credits_screen.h"
#include "game/shell/game_clock.h"
#include "tests/screens/menu_fixture.h"

namespace glyphora {
namespace {

class ButtonPlaces : public testing::MenuFixture {};

TEST_F(ButtonPlaces, EveryScreenPutsItsButtonsInItsOwnRow) {
    struct Place {
        ImageButtonName button;
        int x, y;
    };
    struct Case {
        ScreenKind screen;
        void (*draw)(Game&);
        std::vector<Place> places;
        // clang-format off
    } cases[] = {
        {ScreenKind::MainMenu, DrawMainMenu,
         {{PlayButton, 42, 400}, {FreeGameButton, 135, 400}, {HighScoresButton, 229, 400}, {HelpButton, 339, 400},
          {SettingsButton, 457, 400}, {CreditsButton, 541, 400}, {QuitButton, 620, 400}}},
        {ScreenKind::Credits, DrawCreditsScreen,
         {{DonateUsdButton, 158, 398}, {DonateEurButton, 296, 398}, {BackButton, 434, 400}}},
        {ScreenKind::HighScores, DrawHighScoreScreen,
         {{LocalScoresButton, 150, 400}, {GroupsButton, 222, 400}, {OnlineScoresButton, 294, 400},
          {BackButton, 441, 400}, {DifficultyDownButton, 275, 115}, {DifficultyUpButton, 397, 115}}},
        {ScreenKind::FreeGameSetup, DrawFreeGameScreen, {{StartFreeGameButton, 263, 400}, {BackButton, 328, 400}}},
        {ScreenKind::Settings, DrawSettingsScreen,
         {{BackButton, 296, 400}, {DifficultyDownButton, 363, 180}, {DifficultyUpButton, 485, 180}}},
        {ScreenKind::DifficultyChoice, DrawDifficultyChoice,
         {{OkButton, 336, 400}, {DifficultyDownButton, 275, 215}, {DifficultyUpButton, 397, 215}}},
        {ScreenKind::Help, DrawHelpScreen,
         {{HelpPage1Button, 96, 400}, {HelpPage2Button, 202, 401}, {HelpPage3Button, 339, 400}, {ManualButton, 421, 401},
          {BackButton, 495, 400}}},
        {ScreenKind::Intro,
         [](Game& g) {
             g.menus.introStart = GameTime(g) - 10000;
             DrawFirstRunScreen(g);
         },
         {{ShowNoteButton, 557, 403}}},
        {ScreenKind::Intro,
         [](Game& g) {
             g.menus.noteShown = true;
             DrawFirstRunScreen(g);
         },
         {{ContinueButton, 566, 404}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "screen " << int(c.screen));
        for (ImageButton& button : game.widgets.imageButtons) button.x = button.y = 0;
        game.screen.current = c.screen;
        c.draw(game);
        for (const Place& place : c.places) {
            const ImageButton& button = game.widgets.imageButtons[place.button];
            EXPECT_EQ(button.x, place.x) << place.button;
            EXPECT_EQ(button.y, place.y) << place.button;
            EXPECT_EQ(button.rect, MakeRect(place.x, place.y, button.sprite.srcW, button.sprite.srcH));
        }
    }
}

}  // namespace
}  // namespace glyphora
