#include "game/screens/credits_screen.h"

#include "common/elapsed.h"
#include "game/online/external_links.h"
#include "game/screens/credits_pages.h"
#include "game/screens/screen_rows.h"
#include "game/shell/button_places.h"
#include "game/shell/game.h"
#include "game/shell/game_clock.h"
#include "game/shell/keyboard_focus.h"
#include "game/shell/music.h"
#include "game/shell/screen_actions.h"
#include "game/shell/screen_buttons.h"

namespace glyphora {

void DrawCreditsScreen(Game& game) {
    PlaceScreenButtons(game);
    for (ImageButtonName name : {DonateUsdButton, DonateEurButton, BackButton})
        DrawImageButton(game.renderer, game.pointer, game.widgets.imageButtons[name]);
    const int now = GameTime(game);
    CreditPages& credits = game.credits;
    for (std::size_t page = 0; page < credits.pages.size(); ++page) {
        if (credits.done[page]) continue;
        credits.done[page] = PlayCreditPage(game.renderer, credits.pages[page], now, game.screen.creditsStart);
        break;
    }
    if (Elapsed(now, game.screen.creditsStart) > kCreditsFinaleAfterMs)
        DrawSprite(game.renderer, game.resources.creditsFinale, kCreditsFinaleX, kCreditsFinaleY);
}

}  // namespace glyphora

namespace glyphora {
namespace {

constexpr char kCreditsTrack[] = "Music/Track4.ogg";

// The pages start afresh with their track, which stops when they are left.
void EnterCredits(Game& game) {
    game.screen.creditsStart = GameTime(game);
    ResetCreditPages(game);
    StartMusic(game, kCreditsTrack);
}

void LeaveCredits(Game& game, ScreenKind) { StopCurrentMusic(game); }

// Back resets the pages before the main menu.
void BackFromCredits(Game& game) {
    ResetCreditPages(game);
    ShowMainMenu(game);
}

void OpenDonationsInDollars(Game& game) { OpenDonationPageUsd(*game.platform.shell); }
void OpenDonationsInEuros(Game& game) { OpenDonationPageEur(*game.platform.shell); }

// The donation buttons are taller than Back and stand two pixels higher.
constexpr auto kButtons = CentredRow<3>(10, {{
                                                {DonateUsdButton, 0, kButtonRowY - 2, OpenDonationsInDollars},
                                                {DonateEurButton, 0, kButtonRowY - 2, OpenDonationsInEuros},
                                                {BackButton, 0, kButtonRowY, BackFromCredits},
                                            }});
constexpr ImageButtonName kFocusOrder[] = {DonateUsdButton, DonateEurButton, BackButton};

}  // namespace

extern const ScreenDefinition kCreditsScreen{
    .kind = ScreenKind::Credits,
    .draw = DrawCreditsScreen,
    .enter = EnterCredits,
    .leave = LeaveCredits,
    .frame = {&regions::HeaderCapLong, &regions::HeaderTabCredits, &regions::CornerCredits},
    .buttons = {{{kButtons, kFocusOrder}}},
    .enterKey = ActivateFocusedButton,
    .escapeKey = ShowMainMenu,
    .canPause = true,
    .loadResources = BuildCreditPages,
    .releaseResources = FreeCreditPages,
};

}  // namespace glyphora
