#include "game/shell/button_actions.h"

#include <algorithm>

#include "game/audio/sound_effects.h"
#include "game/online/external_links.h"
#include "game/shell/online_scores.h"
#include "game/screens/credits_pages.h"
#include "game/shell/main_loop.h"
#include "game/shell/run_control.h"
#include "game/shell/screens.h"

namespace glyphora {
namespace {

template <ScreenKind Kind>
void Open(Game& game) {
    SwitchScreen(game, Kind);
}

void StartStandardGame(Game& game) {
    game.run.freeGame = false;
    NewGame(game);
}

void OpenFreeGameSetup(Game& game) {
    game.run.freeGame = true;
    SwitchScreen(game, ScreenKind::FreeGameSetup);
}

void Quit(Game& game) { game.platform.messages->postQuit(5); }

// On the high-score screen the arrows choose the table shown, elsewhere the
// game's difficulty; on the settings screen they also bring up its hint.
template <int Step>
void ChangeDifficulty(Game& game) {
    ScreenState& screen = game.screen;
    int& difficulty = screen.current == ScreenKind::HighScores ? screen.viewedDifficulty : game.settings.difficulty;
    difficulty = std::clamp(difficulty + Step, 0, 2);
    if (screen.current == ScreenKind::Settings) screen.difficultyHint = true;
}

void Ok(Game& game) {
    if (game.screen.current == ScreenKind::GameOver) ConfirmName(game);
    else BackAction(game);
}

void NewGameAgain(Game& game) { NewGame(game); }

template <int View>
void ShowScoreView(Game& game) {
    game.screen.scoreView = View;
    for (TextField& field : game.widgets.groupFields) SetFieldActive(field, View == 1);
}

// The connection message shows for one frame before the exchange blocks.
void OnlineScores(Game& game) {
    MenuState& menus = game.menus;
    menus.connectionMessage = kConnectingMessage;
    menus.connectionMessageShown = true;
    menus.connectionMessageDeadline = 0;
    DrawFrame(game);
    ExchangeOnlineScores(game);
}

// The note replaces the intro's pictures: only Continue is left to press.
void ShowNote(Game& game) {
    game.menus.noteShown = true;
    game.pointer.mouseDown = false;
    game.widgets.imageButtons[ShowNoteButton].enabled = false;
    game.widgets.imageButtons[ContinueButton].enabled = true;
}

// Leaving the intro also turns the renderer back to the textures' alpha.
void ContinueFromIntro(Game& game) {
    ReleaseEffect(game, HoHoHo);
    ReleaseEffect(game, Stop);
    SwitchScreen(game, ScreenKind::DifficultyChoice);
    game.pointer.mouseDown = false;
}

void OpenTheManual(Game& game) { OpenManual(*game.platform.shell, *game.platform.files); }
void OpenDonationsInDollars(Game& game) { OpenDonationPageUsd(*game.platform.shell); }
void OpenDonationsInEuros(Game& game) { OpenDonationPageEur(*game.platform.shell); }

template <int Page>
void ShowHelpPage(Game& game) {
    game.screen.helpPage = Page;
}

struct Binding {
    ImageButtonName button;
    void (*action)(Game&);
};

constexpr Binding kBindings[] = {
    {PlayButton, StartStandardGame},
    {FreeGameButton, OpenFreeGameSetup},
    {HighScoresButton, Open<ScreenKind::HighScores>},
    {HelpButton, Open<ScreenKind::Help>},
    {SettingsButton, Open<ScreenKind::Settings>},
    {CreditsButton, Open<ScreenKind::Credits>},
    {QuitButton, Quit},
    {BackButton, BackAction},
    {StartFreeGameButton, StartFreeGame},
    {OnlineScoresButton, OnlineScores},
    {OkButton, Ok},
    {PlayAgainButton, NewGameAgain},
    {GroupsButton, ShowScoreView<1>},
    {LocalScoresButton, ShowScoreView<0>},
    {DifficultyDownButton, ChangeDifficulty<-1>},
    {DifficultyUpButton, ChangeDifficulty<1>},
    {ShowNoteButton, ShowNote},
    {ContinueButton, ContinueFromIntro},
    {HelpPage1Button, ShowHelpPage<0>},
    {HelpPage2Button, ShowHelpPage<1>},
    {ManualButton, OpenTheManual},
    {DonateUsdButton, OpenDonationsInDollars},
    {DonateEurButton, OpenDonationsInEuros},
};
static_assert(std::size(kBindings) == kImageButtonCount, "one action per image button");

}  // namespace

void BindButtonActions(Game& game) {
    for (const Binding& binding : kBindings)
        game.widgets.imageButtons[binding.button].onClick = [&game, action = binding.action] { action(game); };
}

void BackAction(Game& game) {
    if (game.screen.current == ScreenKind::Credits) ResetCreditPages(game);
    SwitchScreen(game, ScreenKind::MainMenu);
}

}  // namespace glyphora
