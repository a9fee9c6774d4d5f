// The main menu: the row of seven buttons, the preview picture of the button
// pointed at or selected, and now and then a character peeking in from the
// right edge.
#include "game/engine/sheet_drawing.h"
#include "game/screens/menu_buttons.h"
#include "game/screens/menu_pictures.h"
#include "game/screens/menu_screens.h"
#include "game/screens/peek.h"
#include "game/screens/screen_rows.h"
#include "game/shell/button_places.h"
#include "game/shell/game.h"
#include "game/shell/game_clock.h"
#include "game/shell/keyboard_focus.h"
#include "game/shell/run_control.h"
#include "game/shell/screen_actions.h"
#include "game/shell/screen_buttons.h"

namespace glyphora {
namespace {

constexpr int kPreviewX = 210, kPreviewY = 70;

void DrawMenuButtons(Game& game) {
    PlaceScreenButtons(game);
    for (int i = 0; i < kMainMenuButtons; ++i) DrawButton(game, ImageButtonName(PlayButton + i));
}

void DrawPeek(Game& game) {
    const std::optional<int> x = StepPeek(game.menus, GameTime(game), game.random);
    if (!x) return;
    const RegionFrame picture = PeekPicture(game.menus.peekPicture);
    DrawRegion(game.renderer, game.resources, *picture.region, float(*x), kPeekY, picture.u, picture.v);
}

}  // namespace

namespace {

void StartStandardGame(Game& game) {
    game.run.freeGame = false;
    NewGame(game);
}

void OpenFreeGameSetup(Game& game) {
    game.run.freeGame = true;
    SwitchScreen(game, ScreenKind::FreeGameSetup);
}

void Quit(Game& game) { game.platform.messages->postQuit(5); }

// The peek timing starts, and the next run is a standard one.
void EnterMainMenu(Game& game) {
    game.menus.peekStart = GameTime(game);
    game.run.freeGame = false;
}

// The header's tab names the button under the cursor.
const regions::Region* HoveredTab(const Game& game) { return HoveredMenuTab(MainMenuButtonUnderCursor(game)); }

constexpr auto kButtons = CentredRow<7>(14, {{
                                                {PlayButton, 0, kButtonRowY, StartStandardGame},
                                                {FreeGameButton, 0, kButtonRowY, OpenFreeGameSetup},
                                                {HighScoresButton, 0, kButtonRowY, OpenScreen<ScreenKind::HighScores>},
                                                {HelpButton, 0, kButtonRowY, OpenScreen<ScreenKind::Help>},
                                                {SettingsButton, 0, kButtonRowY, OpenScreen<ScreenKind::Settings>},
                                                {CreditsButton, 0, kButtonRowY, OpenScreen<ScreenKind::Credits>},
                                                {QuitButton, 0, kButtonRowY, Quit},
                                            }});
constexpr ImageButtonName kFocusOrder[] = {PlayButton,     FreeGameButton, HighScoresButton, HelpButton,
                                           SettingsButton, CreditsButton,  QuitButton};

}  // namespace

void DrawMainMenu(Game& game) {
    DrawMenuButtons(game);
    DrawRegion(game.renderer, game.resources, MenuPreview(MainMenuButtonUnderCursor(game), game.screen.focus),
               kPreviewX, kPreviewY);
    DrawPeek(game);
}

}  // namespace glyphora

namespace glyphora {

extern const ScreenDefinition kMainMenuScreen{
    .kind = ScreenKind::MainMenu,
    .draw = DrawMainMenu,
    .enter = EnterMainMenu,
    .frame = {&regions::HeaderCapShort, &regions::HeaderTabMainMenu, nullptr, HoveredTab},
    .buttons = {{{kButtons, kFocusOrder}}},
    .enterKey = ActivateFocusedButton,
};

}  // namespace glyphora
