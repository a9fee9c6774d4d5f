#include "game/shell/screen_buttons.h"

#include "game/gameplay/game_over_screen.h"
#include "game/shell/game.h"

namespace glyphora {
namespace {

ImageButton& ButtonOf(Game& game, ImageButtonName name) { return game.widgets.imageButtons[name]; }

void Enable(Game& game, std::initializer_list<ImageButtonName> names) {
    for (ImageButtonName name : names) ButtonOf(game, name).enabled = true;
}

void PlaceArrows(Game& game, int downX, int upX, int y) {
    PlaceButton(ButtonOf(game, DifficultyDownButton), downX, y);
    PlaceButton(ButtonOf(game, DifficultyUpButton), upX, y);
    Enable(game, {DifficultyDownButton, DifficultyUpButton});
}

void PlaceAtX(Game& game, ImageButtonName name, int x) {
    ImageButton& button = ButtonOf(game, name);
    PlaceButton(button, x, button.y);
}

void EnableMainMenu(Game& game) {
    for (int i = 0; i < kMainMenuButtons; ++i) {
        const auto name = static_cast<ImageButtonName>(PlayButton + i);
        PlaceAtX(game, name, game.widgets.layout.mainMenuX[i]);
        Enable(game, {name});
    }
}

void EnableHighScores(Game& game) {
    const WidgetLayout& layout = game.widgets.layout;
    PlaceAtX(game, LocalScoresButton, layout.highScoresRowX[0]);
    PlaceAtX(game, GroupsButton, layout.highScoresRowX[1]);
    PlaceAtX(game, OnlineScoresButton, layout.highScoresRowX[2]);
    PlaceAtX(game, BackButton, layout.HighScoresBackX);
    Enable(game, {LocalScoresButton, GroupsButton, OnlineScoresButton, BackButton});
    PlaceArrows(game, 275, 397, 115);
}

void EnableCredits(Game& game) {
    const WidgetLayout& layout = game.widgets.layout;
    PlaceAtX(game, DonateUsdButton, layout.creditsRowX[0]);
    PlaceAtX(game, DonateEurButton, layout.creditsRowX[1]);
    PlaceAtX(game, BackButton, layout.CreditsBackX);
    Enable(game, {DonateUsdButton, DonateEurButton, BackButton});
}

void EnableGameOver(Game& game) {
    if (NameToEnter(game)) Enable(game, {OkButton});
    else Enable(game, {PlayAgainButton, BackButton});
    PlaceGameOverButtons(game);
}

}  // namespace

void PlaceButton(ImageButton& button, int x, int y) {
    button.x = x;
    button.y = y;
    button.rect = MakeRect(x, y, button.sprite.srcW, button.sprite.srcH);
}

void PlaceCentredRow(Game& game, std::initializer_list<ImageButtonName> names, int gap) {
    int total = -gap;
    for (ImageButtonName name : names) total += ButtonOf(game, name).sprite.srcW + gap;
    int x = (kWindowWidth - total) / 2;
    for (ImageButtonName name : names) {
        PlaceAtX(game, name, x);
        x += ButtonOf(game, name).sprite.srcW + gap;
    }
}

void EnableScreenButtons(Game& game, ScreenKind kind) {
    for (ImageButton& button : game.widgets.imageButtons) button.enabled = false;
    switch (kind) {
        case ScreenKind::MainMenu: EnableMainMenu(game); break;
        case ScreenKind::GameOver: EnableGameOver(game); break;
        case ScreenKind::HighScores: EnableHighScores(game); break;
        case ScreenKind::FreeGameSetup:
            PlaceCentredRow(game, {StartFreeGameButton, BackButton}, 15);
            Enable(game, {StartFreeGameButton, BackButton});
            break;
        case ScreenKind::Settings:
            PlaceCentredRow(game, {BackButton}, 0);
            Enable(game, {BackButton});
            PlaceArrows(game, 363, 485, 180);
            break;
        case ScreenKind::Help:
            PlaceCentredRow(game, {HelpPage1Button, HelpPage2Button, ManualButton, BackButton}, 10);
            Enable(game, {BackButton, HelpPage1Button, HelpPage2Button, ManualButton});
            break;
        case ScreenKind::Credits: EnableCredits(game); break;
        case ScreenKind::Intro: Enable(game, {ShowNoteButton, ContinueButton}); break;
        case ScreenKind::DifficultyChoice:
            PlaceArrows(game, 275, 397, 215);
            PlaceCentredRow(game, {OkButton}, 0);
            Enable(game, {OkButton});
            break;
        default: break;
    }
}

}  // namespace glyphora
