// The difficulty choice that follows the first-run screen: the selector on
// the game's difficulty, two lines of explanation and OK.
#include "game/screens/difficulty_selector.h"
#include "game/screens/menu_buttons.h"
#include "game/screens/menu_screens.h"
#include "game/screens/screen_rows.h"
#include "game/shell/button_places.h"
#include "game/shell/game.h"
#include "game/shell/keyboard_focus.h"
#include "game/shell/screen_actions.h"
#include "game/shell/screen_buttons.h"
#include "game/shell/sound_effects.h"
#include "platform/keys.h"

namespace glyphora {
namespace {

constexpr Colour kLineColour = 0xFFDADADA;
constexpr Rect kQuestionRect{0, 166, kWindowWidth, 216};
constexpr Rect kNoteRect{0, 256, kWindowWidth, 306};
constexpr int kSelectorTop = 205;  // the difficulty selector box; its arrows stand 10 below
constexpr int kDownArrowX = 275, kUpArrowX = 397;

void ChangeDifficulty(Game& game, int step) {
    game.settings.difficulty = std::clamp(game.settings.difficulty + step, 0, kDifficultyCount - 1);
}
void LowerDifficulty(Game& game) { ChangeDifficulty(game, -1); }
void RaiseDifficulty(Game& game) { ChangeDifficulty(game, +1); }

// Left and Right press the arrows wherever the focus is (and bring it
// there), Tab and Up and Down walk between the arrows and OK; Enter presses OK.
void ArrowOnDifficultyChoice(Game& game, int key) {
    if ((key == vk::Left || key == vk::Right) && game.screen.focus != 0) FocusButton(game, 0);
    MoveFocusAlong(game, key);
}
void EnterOnDifficultyChoice(Game& game) {
    PlayEffect(game, BtnClick);
    PressButton(game, OkButton);
}

constexpr auto kButtons = Joined(std::array<ButtonAt, 2>{{
                                     {DifficultyDownButton, kDownArrowX, kSelectorTop + 10, LowerDifficulty},
                                     {DifficultyUpButton, kUpArrowX, kSelectorTop + 10, RaiseDifficulty},
                                 }},
                                 CentredRow<1>(0, {{{OkButton, 0, kButtonRowY, ShowMainMenu}}}));
constexpr FocusControl kFocusControls[] = {{FocusKind::Arrows, DifficultyDownButton}};
constexpr ImageButtonName kFocusOrder[] = {OkButton};

}  // namespace

void DrawDifficultyChoice(Game& game) {
    PlaceScreenButtons(game);
    DrawDifficultySelector(game, kSelectorTop, game.settings.difficulty);
    Font& font = game.fonts[MenuFont26];
    DrawFontText(game.renderer, font, "Choose the difficulty:", kQuestionRect, DT_CENTER | DT_VCENTER, kLineColour);
    DrawFontText(game.renderer, font, "Note that you can later change this option in Settings", kNoteRect,
                 DT_CENTER | DT_VCENTER, kLineColour);
    DrawButton(game, OkButton);
}

}  // namespace glyphora

namespace glyphora {

extern const ScreenDefinition kDifficultyChoiceScreen{
    .kind = ScreenKind::DifficultyChoice,
    .draw = DrawDifficultyChoice,
    .frame = {&regions::HeaderCapShort, &regions::HeaderTabMainMenu, nullptr},
    .buttons = {{{kButtons, kFocusOrder}}},
    .focusControls = kFocusControls,
    .enterKey = EnterOnDifficultyChoice,
    .escapeKey = ShowMainMenu,
    .arrowKey = ArrowOnDifficultyChoice,
};

}  // namespace glyphora
