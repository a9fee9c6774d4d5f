#include "game/shell/button_actions.h"

#include <algorithm>

#include "game/audio/sound_effects.h"
#include "game/online/links.h"
#include "game/online/online_scores.h"
#include "game/screens/credits_pages.h"
#include "game/shell/main_loop.h"
#include "game/shell/run_control.h"
#include "game/shell/screens.h"

namespace glyphora {
namespace {

// Every action as a click handler; the button itself is not needed.
template <void (*Action)(Game&)>
void Run(Game& game, Button&) {
    Action(game);
}

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

template <int Page>
void ShowHelpPage(Game& game) {
    game.screen.helpPage = Page;
}

struct Binding {
    ImageButtonName button;
    ClickHandler action;
};

constexpr Binding kBindings[] = {
    {PlayButton, Run<StartStandardGame>},
    {FreeGameButton, Run<OpenFreeGameSetup>},
    {HighScoresButton, Run<Open<ScreenKind::HighScores>>},
    {HelpButton, Run<Open<ScreenKind::Help>>},
    {SettingsButton, Run<Open<ScreenKind::Settings>>},
    {CreditsButton, Run<Open<ScreenKind::Credits>>},
    {QuitButton, Run<Quit>},
    {BackButton, Run<BackAction>},
    {StartFreeGameButton, Run<StartFreeGame>},
    {OnlineScoresButton, Run<OnlineScores>},
    {OkButton, Run<Ok>},
    {PlayAgainButton, Run<NewGameAgain>},
    {GroupsButton, Run<ShowScoreView<1>>},
    {LocalScoresButton, Run<ShowScoreView<0>>},
    {DifficultyDownButton, Run<ChangeDifficulty<-1>>},
    {DifficultyUpButton, Run<ChangeDifficulty<1>>},
    {ShowNoteButton, Run<ShowNote>},
    {ContinueButton, Run<ContinueFromIntro>},
    {HelpPage1Button, Run<ShowHelpPage<0>>},
    {HelpPage2Button, Run<ShowHelpPage<1>>},
    {ManualButton, Run<OpenManual>},
    {DonateUsdButton, Run<OpenDonationPageUsd>},
    {DonateEurButton, Run<OpenDonationPageEur>},
};
static_assert(std::size(kBindings) == kImageButtonCount, "one action per image button");

}  // namespace

void BindButtonActions(Game& game) {
    for (const Binding& binding : kBindings) game.widgets.imageButtons[binding.button].onClick = binding.action;
}

void BackAction(Game& game) {
    if (game.screen.current == ScreenKind::Credits) ResetCreditPages(game);
    SwitchScreen(game, ScreenKind::MainMenu);
}

}  // namespace glyphora
