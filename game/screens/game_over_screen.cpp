#include "game/screens/game_over_screen.h"

#include <string_view>

#include "game/gameplay/end_of_run.h"
#include "game/screens/screen_rows.h"
#include "game/shell/button_places.h"
#include "game/shell/game_clock.h"
#include "game/shell/keyboard_focus.h"
#include "game/shell/run_control.h"
#include "game/shell/screen_actions.h"
#include "game/shell/screen_buttons.h"

namespace glyphora {
namespace {

constexpr Colour kGameOverText = 0xFF606060;

// One line centred horizontally in a box the width of the window.
void DrawLine(Game& game, FontName font, std::string_view text, int top, int bottom) {
    DrawFontText(game.renderer, game.fonts[font], text, {0, top, kWindowWidth, bottom}, DT_CENTER, kGameOverText);
}

void DrawButtons(Game& game) {
    PlaceScreenButtons(game);
    ImageButton* buttons = game.widgets.imageButtons;
    if (NameToEnter(game.run)) {
        DrawImageButton(game.renderer, game.pointer, buttons[OkButton]);
        return;
    }
    DrawImageButton(game.renderer, game.pointer, buttons[PlayAgainButton]);
    DrawImageButton(game.renderer, game.pointer, buttons[BackButton]);
}

void OpenNameEntryWhenDue(Game& game) {
    TextField& field = game.widgets.nameEntryField;
    if (field.active || Elapsed(GameTime(game), game.screen.gameOverEnterTime) < kNameEntryDelayMs) return;
    SetFieldActive(field, true);
}

}  // namespace

void DrawGameOverScreen(Game& game) {
    DrawButtons(game);
    if (game.store.cheated()) {
        DrawLine(game, GameOverFont28a, "Cheater!", 170, 210);
        return;
    }
    const EndOfRun& end = game.run.ending;
    DrawLine(game, GameOverFont28a, end.scoreLine.data(), 135, 175);
    DrawLine(game, GameOverFont28b, end.levelLine.data(), 165, 205);
    if (!NameToEnter(game.run)) return;
    OpenNameEntryWhenDue(game);
    DrawLine(game, GameOverFont22, end.rankLine.data(), 215, 365);
    DrawLine(game, GameOverFont22, "Type your name below:", 240, 390);
    DrawTextField(game.renderer, game.pointer, game.widgets.nameEntryField);
}

}  // namespace glyphora

namespace glyphora {
namespace {

// The name field takes the default name and stays closed until it opens.
void EnterGameOver(Game& game) {
    game.screen.enteredName = game.settings.defaultName;
    game.screen.gameOverEnterTime = GameTime(game);
    SetFieldActive(game.widgets.nameEntryField, false);
}

// A name still to be entered is dropped unless it was just confirmed (which
// opens the high scores); the place stays pending there until they are left.
void LeaveGameOver(Game& game, ScreenKind next) {
    SetFieldActive(game.widgets.nameEntryField, false);
    if (next != ScreenKind::HighScores) game.run.ending.pendingRank = 0;
}

// Enter is also the blast key: one pressed as the last life went must not
// enter the default name before the player could type one.
void EnterOnGameOver(Game& game) {
    if (!NameToEnter(game.run)) ActivateFocusedButton(game);
    else if (game.widgets.nameEntryField.active) ConfirmName(game);
}

int ButtonStateOf(const Game& game) { return NameToEnter(game.run) ? 1 : 0; }

constexpr auto kAfterTheEntry = CentredRow<2>(10, {{
                                                      {PlayAgainButton, 0, kButtonRowY, NewGame},
                                                      {BackButton, 0, kButtonRowY, ShowMainMenu},
                                                  }});
constexpr ImageButtonName kFocusOrder[] = {PlayAgainButton, BackButton};
constexpr auto kNameEntry = CentredRow<1>(0, {{{OkButton, 0, kButtonRowY, ConfirmName}}});

}  // namespace

// While a name is to be entered only OK stands, and the keyboard focus has
// no buttons.
extern const ScreenDefinition kGameOverScreen{
    .kind = ScreenKind::GameOver,
    .draw = DrawGameOverScreen,
    .enter = EnterGameOver,
    .leave = LeaveGameOver,
    .frame = {&regions::HeaderCapLong, &regions::GameOverTab, &regions::CornerGameOver},
    .buttons = {{{kAfterTheEntry, kFocusOrder}, {kNameEntry, {}}}},
    .buttonState = ButtonStateOf,
    .enterKey = EnterOnGameOver,
    .escapeKey = ShowMainMenu,
};

}  // namespace glyphora
