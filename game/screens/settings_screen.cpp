// The settings screen: the default name for the high scores, the difficulty,
// the two volumes and whether F3 asks before starting a game, each with its
// caption on the left.
#include "game/engine/selection_band.h"
#include "game/screens/difficulty_selector.h"
#include "game/screens/menu_buttons.h"
#include "game/screens/menu_screens.h"
#include "game/screens/screen_rows.h"
#include "game/shell/button_places.h"
#include "game/shell/game.h"
#include "game/shell/keyboard_focus.h"
#include "game/shell/mouse_input.h"
#include "game/shell/music.h"
#include "game/shell/saving.h"
#include "game/shell/screen_actions.h"
#include "game/shell/screen_buttons.h"

namespace glyphora {
namespace {

constexpr int kCaptionRight = 327;
constexpr int kNameBandX = 113, kNameBandY = 125, kNameBandWidth = 433;
// The band of the difficulty hint; the hint lasts while the cursor stays in it.
constexpr int kHintBandX = 238, kHintBandY = 168, kHintBandWidth = 290;
constexpr int kDifficultyNameX = 410, kDifficultyY = 180;
constexpr int kDownArrowX = 363, kUpArrowX = 485;
constexpr int kDifficultyCaptionTop = 170, kDifficultyCaptionBottom = 210;
constexpr int kToggleCaptionHeight = 36;

void Caption(Game& game, std::string_view text, int top, int bottom) {
    DrawFontText(game.renderer, game.fonts[MenuFont26], text, {0, top, kCaptionRight, bottom}, DT_RIGHT | DT_VCENTER,
                 TextGrey);
}

void DrawNameField(Game& game) {
    TextField& field = game.widgets.defaultNameField;
    if (field.focused) DrawSelectionBand(game.renderer, game.resources, kNameBandX, kNameBandY, kNameBandWidth);
    DrawTextField(game.renderer, game.pointer, field);
}

void DrawDifficulty(Game& game) {
    if (game.screen.difficultyHint)
        DrawSelectionBand(game.renderer, game.resources, kHintBandX, kHintBandY, kHintBandWidth);
    DrawDifficultyName(game, game.settings.difficulty, kDifficultyNameX, kDifficultyY);
    DrawButton(game, DifficultyDownButton);
    DrawButton(game, DifficultyUpButton);
}

void DrawCaptions(Game& game) {
    const TextField& field = game.widgets.defaultNameField;
    Caption(game, "Default High Scores Name", field.y + 1, field.y + field.h + 1);
    Caption(game, "Difficulty", kDifficultyCaptionTop, kDifficultyCaptionBottom);
    const Slider& music = game.widgets.sliders[MusicVolumeSlider];
    Caption(game, "Music Volume", music.y, music.y + music.height);
    const Slider& sound = game.widgets.sliders[SoundVolumeSlider];
    Caption(game, "Sound Volume", sound.y, sound.y + sound.height);
    const int toggleY = game.widgets.askF3Toggle.y;
    Caption(game, "Ask before starting game with F3", toggleY, toggleY + kToggleCaptionHeight);
}

}  // namespace

void DrawSettingsScreen(Game& game) {
    PlaceScreenButtons(game);
    DrawBoxFocus(game, game.widgets.askF3Toggle);
    DrawToggleButton(game.renderer, game.pointer, game.widgets.askF3Toggle);
    DrawSlider(game.renderer, game.resources, game.widgets.sliders[MusicVolumeSlider]);
    DrawSlider(game.renderer, game.resources, game.widgets.sliders[SoundVolumeSlider]);
    DrawNameField(game);
    DrawDifficulty(game);
    DrawCaptions(game);
    DrawButton(game, BackButton);
}

}  // namespace glyphora

namespace glyphora {
namespace {

// The arrows change the game's difficulty and bring up the hint beside it.
void ChangeDifficulty(Game& game, int step) {
    game.settings.difficulty = std::clamp(game.settings.difficulty + step, 0, kDifficultyCount - 1);
    game.screen.difficultyHint = true;
}
void LowerDifficulty(Game& game) { ChangeDifficulty(game, -1); }
void RaiseDifficulty(Game& game) { ChangeDifficulty(game, +1); }

// The check box and the name field take input only here.
void EnterSettings(Game& game) {
    game.widgets.askF3Toggle.toggleEnabled = true;
    SetFieldActive(game.widgets.defaultNameField, true);
}

// Leaving saves the settings and stops the volume preview.
void LeaveSettings(Game& game, ScreenKind) {
    game.widgets.askF3Toggle.toggleEnabled = false;
    SetFieldActive(game.widgets.defaultNameField, false);
    SaveGameSettings(game);
    StopSlidersFollowing(game, MusicVolumeSlider, SoundVolumeSlider);
    StopCurrentMusic(game);
}

constexpr auto kButtons = Joined(std::array<ButtonAt, 2>{{
                                     {DifficultyDownButton, kDownArrowX, kDifficultyY, LowerDifficulty},
                                     {DifficultyUpButton, kUpArrowX, kDifficultyY, RaiseDifficulty},
                                 }},
                                 CentredRow<1>(0, {{{BackButton, 0, kButtonRowY, ShowMainMenu}}}));
constexpr ImageButtonName kFocusOrder[] = {BackButton};
// Top to bottom as the screen shows them, then Back.
constexpr FocusControl kFocusControls[] = {
    {FocusKind::NameField},
    {FocusKind::Arrows, DifficultyDownButton},
    {FocusKind::Slider, MusicVolumeSlider},
    {FocusKind::Slider, SoundVolumeSlider},
    {FocusKind::Toggle, kAskF3Box},
};

}  // namespace

extern const ScreenDefinition kSettingsScreen{
    .kind = ScreenKind::Settings,
    .draw = DrawSettingsScreen,
    .enter = EnterSettings,
    .leave = LeaveSettings,
    .frame = {&regions::HeaderCapLong, &regions::HeaderTabSettings, &regions::CornerSettings},
    .buttons = {{{kButtons, kFocusOrder}}},
    .focusControls = kFocusControls,
    .enterKey = ActivateFocusedButton,
    .escapeKey = ShowMainMenu,
    .pressSliders = PressVolumeSliders,
};

}  // namespace glyphora
