// The free-game screen: which characters fall (a check box per sub-level row
// for letters and for digits), the four sliders of the run, Start and Back.
#include "game/engine/sheet_drawing.h"
#include "game/gameplay/progression.h"
#include "game/screens/menu_buttons.h"
#include "game/screens/menu_screens.h"
#include "game/screens/screen_rows.h"
#include "game/shell/button_places.h"
#include "game/shell/game.h"
#include "game/shell/keyboard_focus.h"
#include "game/shell/mouse_input.h"
#include "game/shell/run_control.h"
#include "game/shell/screen_actions.h"
#include "game/shell/screen_buttons.h"

namespace glyphora {
namespace {

constexpr int kRowCaptionsX = 67, kRowCaptionsY = 154;
constexpr int kColumnCaptionsX = 152, kColumnCaptionsY = 116;
constexpr Rect kNothingTickedNote{300, 318, 640, 350};
constexpr Colour kNoteColour = 0xFFD04020;

void DrawToggles(Game& game) {
    for (auto& row : game.widgets.freeGameToggles)
        for (ToggleButton& toggle : row) {
            DrawBoxFocus(game, toggle);
            DrawToggleButton(game.renderer, game.pointer, toggle);
        }
    DrawRegion(game.renderer, game.resources, regions::FreeGameRowCaptions, kRowCaptionsX, kRowCaptionsY);
    DrawRegion(game.renderer, game.resources, regions::FreeGameColumnCaptions, kColumnCaptionsX, kColumnCaptionsY);
}

// Start and Back, centred as a pair.
void DrawRunButtons(Game& game) {
    PlaceScreenButtons(game);
    DrawButton(game, StartFreeGameButton);
    DrawButton(game, BackButton);
}

}  // namespace

void DrawFreeGameScreen(Game& game) {
    DrawToggles(game);
    for (int slider = StartLevelSlider; slider <= MaxLivesSlider; ++slider)
        DrawSlider(game.renderer, game.resources, game.widgets.sliders[slider]);
    DrawRunButtons(game);
    if (!FreeGameHasCharacters(game))
        DrawFontText(game.renderer, game.fonts[MenuFont26], "Tick a box: nothing would fall.", kNothingTickedNote,
                     DT_VCENTER, kNoteColour);
}

}  // namespace glyphora

namespace glyphora {
namespace {

void SetTogglesTakeClicks(Game& game, bool take) {
    for (auto& row : game.widgets.freeGameToggles)
        for (ToggleButton& toggle : row) toggle.toggleEnabled = take;
}

// The check boxes take clicks only here.
void EnterFreeGame(Game& game) { SetTogglesTakeClicks(game, true); }

void LeaveFreeGame(Game& game, ScreenKind) {
    SetTogglesTakeClicks(game, false);
    StopSlidersFollowing(game, StartLevelSlider, MaxLivesSlider);
}

constexpr auto kButtons = CentredRow<2>(15, {{
                                                {StartFreeGameButton, 0, kButtonRowY, StartFreeGame},
                                                {BackButton, 0, kButtonRowY, ShowMainMenu},
                                            }});
constexpr ImageButtonName kFocusOrder[] = {StartFreeGameButton, BackButton};
// The boxes row by row, then the four sliders, then Start and Back.
constexpr FocusControl kFocusControls[] = {
    {FocusKind::Toggle, 0},
    {FocusKind::Toggle, 1},
    {FocusKind::Toggle, 2},
    {FocusKind::Toggle, 3},
    {FocusKind::Toggle, 4},
    {FocusKind::Toggle, 5},
    {FocusKind::Toggle, 6},
    {FocusKind::Toggle, 7},
    {FocusKind::Toggle, 8},
    {FocusKind::Toggle, 9},
    {FocusKind::Slider, StartLevelSlider},
    {FocusKind::Slider, FallingSpeedSlider},
    {FocusKind::Slider, DensitySlider},
    {FocusKind::Slider, MaxLivesSlider},
};
static_assert(std::size(kFocusControls) == kFreeGameToggleRows * kFreeGameToggleColumns + 4);

}  // namespace

// F3 starts the game the check boxes describe, as Start does.
extern const ScreenDefinition kFreeGameScreen{
    .kind = ScreenKind::FreeGameSetup,
    .draw = DrawFreeGameScreen,
    .enter = EnterFreeGame,
    .leave = LeaveFreeGame,
    .frame = {&regions::HeaderCapLong, &regions::HeaderTabFreeGame, &regions::CornerFreeGame},
    .buttons = {{{kButtons, kFocusOrder}}},
    .focusControls = kFocusControls,
    .enterKey = ActivateFocusedButton,
    .escapeKey = ShowMainMenu,
    .newGameKey = StartFreeGame,
    .pressSliders = PressFreeGameSliders,
};

}  // namespace glyphora
