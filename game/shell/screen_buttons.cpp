#include "game/shell/screen_buttons.h"

#include <initializer_list>

#include "game/gameplay/end_of_run.h"
#include "game/screens/screen_layout.h"
#include "game/shell/game.h"

namespace glyphora {
namespace {

void Enable(Game& game, std::initializer_list<ImageButtonName> names) {
    for (ImageButtonName name : names) game.widgets.imageButtons[name].enabled = true;
}

void EnableMainMenu(Game& game) {
    for (int i = 0; i < kMainMenuButtons; ++i) Enable(game, {ImageButtonName(PlayButton + i)});
}

void EnableGameOver(Game& game) {
    if (NameToEnter(game.run)) Enable(game, {OkButton});
    else Enable(game, {PlayAgainButton, BackButton});
}

}  // namespace

void EnableScreenButtons(Game& game, ScreenKind kind) {
    for (ImageButton& button : game.widgets.imageButtons) button.enabled = false;
    PlaceScreenButtons(game, kind);
    switch (kind) {
        case ScreenKind::MainMenu: EnableMainMenu(game); break;
        case ScreenKind::GameOver: EnableGameOver(game); break;
        case ScreenKind::HighScores:
            Enable(game, {OnlineScoresButton, BackButton, DifficultyDownButton, DifficultyUpButton, LocalScoresButton,
                          GroupsButton});
            break;
        case ScreenKind::FreeGameSetup: Enable(game, {StartFreeGameButton, BackButton}); break;
        case ScreenKind::Settings: Enable(game, {DifficultyDownButton, DifficultyUpButton, BackButton}); break;
        case ScreenKind::Help: Enable(game, {BackButton, HelpPage1Button, HelpPage2Button, ManualButton}); break;
        case ScreenKind::Credits: Enable(game, {DonateUsdButton, DonateEurButton, BackButton}); break;
        case ScreenKind::Intro: Enable(game, {ShowNoteButton, ContinueButton}); break;
        case ScreenKind::DifficultyChoice: Enable(game, {DifficultyDownButton, DifficultyUpButton, OkButton}); break;
        default: break;
    }
}

}  // namespace glyphora
