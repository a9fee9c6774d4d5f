#include "game/screens/screen_layout.h"

#include "game/gameplay/end_of_run.h"
#include "game/shell/game.h"

namespace glyphora {
namespace {

// Start and Back stand 15 apart, the help row's buttons 10.
constexpr int kFreeGameGap = 15;
constexpr int kHelpRowGap = 10;

ImageButton& ButtonOf(Game& game, ImageButtonName name) { return game.widgets.imageButtons[name]; }

void Place(Game& game, ImageButtonName name, int x, int y) { PlaceButton(ButtonOf(game, name), x, y); }

void PlaceArrows(Game& game, int downX, int upX, int y) {
    Place(game, DifficultyDownButton, downX, y);
    Place(game, DifficultyUpButton, upX, y);
}

void PlaceMainMenu(Game& game) {
    for (int i = 0; i < kMainMenuButtons; ++i)
        Place(game, ImageButtonName(PlayButton + i), game.widgets.layout.mainMenuX[i], kButtonRowY);
}

void PlaceHighScores(Game& game) {
    const WidgetLayout& layout = game.widgets.layout;
    const ImageButtonName row[] = {LocalScoresButton, GroupsButton, OnlineScoresButton};
    for (int i = 0; i < 3; ++i) Place(game, row[i], layout.highScoresRowX[i], kButtonRowY);
    Place(game, BackButton, layout.HighScoresBackX, kButtonRowY);
    PlaceArrows(game, kDownArrowX, kUpArrowX, kHighScoresSelectorTop + kArrowsDown);
}

// Page 1, page 2, Manual and Back; the page-2 and manual buttons stand one
// pixel lower than the others.
void PlaceHelp(Game& game) {
    Place(game, HelpPage1Button, 0, kButtonRowY);
    Place(game, HelpPage2Button, 0, kButtonRowY + 1);
    Place(game, ManualButton, 0, kButtonRowY + 1);
    Place(game, BackButton, 0, kButtonRowY);
    PlaceCentredRow(game, {HelpPage1Button, HelpPage2Button, ManualButton, BackButton}, kHelpRowGap);
}

// The donation buttons are taller than Back and stand two pixels higher.
void PlaceCredits(Game& game) {
    const WidgetLayout& layout = game.widgets.layout;
    Place(game, DonateUsdButton, layout.creditsRowX[0], kButtonRowY - 2);
    Place(game, DonateEurButton, layout.creditsRowX[1], kButtonRowY - 2);
    Place(game, BackButton, layout.CreditsBackX, kButtonRowY);
}

void PlaceRowAtButtonHeight(Game& game, std::initializer_list<ImageButtonName> names, int gap) {
    for (ImageButtonName name : names) ButtonOf(game, name).y = kButtonRowY;
    PlaceCentredRow(game, names, gap);
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
        ImageButton& button = ButtonOf(game, name);
        PlaceButton(button, x, button.y);
        x += button.sprite.srcW + gap;
    }
}

void PlaceScreenButtons(Game& game, ScreenKind kind) {
    switch (kind) {
        case ScreenKind::MainMenu: PlaceMainMenu(game); break;
        case ScreenKind::GameOver:
            if (NameToEnter(game.run)) PlaceRowAtButtonHeight(game, {OkButton}, 0);
            else PlaceRowAtButtonHeight(game, {PlayAgainButton, BackButton}, 10);
            break;
        case ScreenKind::HighScores: PlaceHighScores(game); break;
        case ScreenKind::FreeGameSetup: PlaceRowAtButtonHeight(game, {StartFreeGameButton, BackButton}, kFreeGameGap); break;
        case ScreenKind::Settings:
            PlaceRowAtButtonHeight(game, {BackButton}, 0);
            PlaceArrows(game, kSettingsDownArrowX, kSettingsUpArrowX, kSettingsDifficultyY);
            break;
        case ScreenKind::Help: PlaceHelp(game); break;
        case ScreenKind::Credits: PlaceCredits(game); break;
        case ScreenKind::Intro:
            Place(game, ShowNoteButton, 557, 403);
            Place(game, ContinueButton, 566, 404);
            break;
        case ScreenKind::DifficultyChoice:
            PlaceArrows(game, kDownArrowX, kUpArrowX, kChoiceSelectorTop + kArrowsDown);
            PlaceRowAtButtonHeight(game, {OkButton}, 0);
            break;
        default: break;
    }
}

}  // namespace glyphora
