// Each screen places the buttons it shows: a button left where another
// screen put it would be drawn, and clicked, in the wrong place.
#include "game/screens/menu_screens.h"

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
        const char* screen;
        void (*draw)(Game&);
        std::vector<Place> places;
    } cases[] = {
        {"high scores", DrawHighScoreScreen,
         {{LocalScoresButton, 150, 400}, {GroupsButton, 222, 400}, {OnlineScoresButton, 294, 400},
          {BackButton, 441, 400}, {DifficultyDownButton, 275, 115}, {DifficultyUpButton, 397, 115}}},
        {"free game", DrawFreeGameScreen, {{StartFreeGameButton, 263, 400}, {BackButton, 328, 400}}},
        {"settings", DrawSettingsScreen,
         {{BackButton, 296, 400}, {DifficultyDownButton, 363, 180}, {DifficultyUpButton, 485, 180}}},
        {"difficulty choice", DrawDifficultyChoice,
         {{OkButton, 336, 400}, {DifficultyDownButton, 275, 215}, {DifficultyUpButton, 397, 215}}},
        {"help", DrawHelpScreen,
         {{HelpPage1Button, 137, 400}, {HelpPage2Button, 243, 401}, {ManualButton, 380, 401}, {BackButton, 454, 400}}},
        {"end of the intro",
         [](Game& g) {
             g.menus.introStart = GameTime(g) - 10000;
             DrawFirstRunScreen(g);
         },
         {{ShowNoteButton, 557, 403}}},
        {"freeware note",
         [](Game& g) {
             g.menus.noteShown = true;
             DrawFirstRunScreen(g);
         },
         {{ContinueButton, 566, 404}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        for (ImageButton& button : game.widgets.imageButtons) button.x = button.y = 0;
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
