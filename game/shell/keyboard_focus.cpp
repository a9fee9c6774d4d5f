#include "game/shell/keyboard_focus.h"

#include <algorithm>

#include "game/shell/game.h"
#include "game/shell/music.h"
#include "game/shell/screen_buttons.h"
#include "game/shell/sound_effects.h"
#include "platform/keys.h"

namespace glyphora {
namespace {

// The buttons whose keyboard state a mouse movement clears.
constexpr ImageButtonName kMouseReleased[] = {
    PlayButton,     FreeGameButton,      HighScoresButton,     HelpButton,         SettingsButton,
    CreditsButton,  QuitButton,          BackButton,           OnlineScoresButton, LocalScoresButton,
    GroupsButton,   StartFreeGameButton, DifficultyDownButton, DifficultyUpButton, OkButton,
    ShowNoteButton, ContinueButton,      DonateUsdButton,      DonateEurButton,
};

// The settings screen's difficulty hint lasts while the cursor stays here.
constexpr Rect kDifficultyHintArea{238, 168, 528, 208};

void Release(ImageButton& button) {
    button.forced = false;
    button.forcedState = ButtonNormal;
}

void Force(ImageButton& button, bool focused) {
    button.forced = true;
    button.forcedState = focused ? ButtonHover : ButtonNormal;
}

ToggleButton& BoxOf(Widgets& widgets, int index) {
    if (index == kAskF3Box) return widgets.askF3Toggle;
    return widgets.freeGameToggles[index / kFreeGameToggleColumns][index % kFreeGameToggleColumns];
}

// The boxes and sliders lose the keyboard's marks; a focused text field keeps
// its focus, as after a click.
void ReleaseControls(Widgets& widgets) {
    for (auto& row : widgets.freeGameToggles)
        for (ToggleButton& box : row) Release(box);
    Release(widgets.askF3Toggle);
    for (Slider& slider : widgets.sliders) slider.keyboardFocus = false;
}

std::span<const FocusControl> FocusControls(const Game& game) { return CurrentScreen(game).focusControls; }

int ControlCount(const Game& game) { return static_cast<int>(FocusControls(game).size()); }
int StopCount(const Game& game) { return ControlCount(game) + static_cast<int>(FocusOrder(game).size()); }

// The control the focus stands on; null on a button or nowhere.
const FocusControl* FocusedControl(const Game& game) {
    const int focus = game.screen.focus;
    return focus >= 0 && focus < ControlCount(game) ? &FocusControls(game)[static_cast<std::size_t>(focus)] : nullptr;
}

bool ControlEnabled(Game& game, const FocusControl& control) {
    Widgets& widgets = game.widgets;
    switch (control.kind) {
        case FocusKind::Toggle: return BoxOf(widgets, control.index).toggleEnabled;
        case FocusKind::Slider: return true;
        case FocusKind::NameField: return widgets.defaultNameField.active;
        case FocusKind::GroupField: return widgets.groupFields[control.index].active;
        case FocusKind::Arrows: return widgets.imageButtons[control.index].enabled;
    }
    return false;
}

bool StopEnabled(Game& game, int stop) {
    const int controls = ControlCount(game);
    if (stop < controls) return ControlEnabled(game, FocusControls(game)[static_cast<std::size_t>(stop)]);
    return game.widgets.imageButtons[FocusOrder(game)[static_cast<std::size_t>(stop - controls)]].enabled;
}

void ShowControlState(Game& game, const FocusControl& control, bool focused) {
    Widgets& widgets = game.widgets;
    switch (control.kind) {
        case FocusKind::Toggle: Force(BoxOf(widgets, control.index), focused); break;
        case FocusKind::Slider: widgets.sliders[control.index].keyboardFocus = focused; break;
        case FocusKind::NameField: SetFieldFocus(widgets.defaultNameField, focused); break;
        case FocusKind::GroupField: SetFieldFocus(widgets.groupFields[control.index], focused); break;
        case FocusKind::Arrows:
            Force(widgets.imageButtons[control.index], focused);
            Force(widgets.imageButtons[control.index + 1], focused);
            break;
    }
}

void ShowKeyboardStates(Game& game) {
    const std::span<const FocusControl> controls = FocusControls(game);
    const int focus = game.screen.focus;
    for (std::size_t i = 0; i < controls.size(); ++i) ShowControlState(game, controls[i], static_cast<int>(i) == focus);
    const std::span<const ImageButtonName> order = FocusOrder(game);
    for (std::size_t i = 0; i < order.size(); ++i)
        Force(game.widgets.imageButtons[order[i]], static_cast<int>(i + controls.size()) == focus);
}

// -1 back, +1 on, 0 no move. Up and Down walk only screens with controls;
// elsewhere they keep their meaning (none, or the screen's own).
int Direction(const Game& game, int key) {
    if (key == vk::Left) return -1;
    if (key == vk::Right || key == vk::Tab) return +1;
    if (FocusControls(game).empty()) return 0;
    return key == vk::Up ? -1 : key == vk::Down ? +1 : 0;
}

int NextIndex(int focus, int direction, int count) {
    if (focus < 0) return direction < 0 ? count - 1 : 0;
    return (focus + count + direction) % count;
}

// The next enabled stop in the direction; -1 when none is enabled (a row
// hidden behind the high-score screen's connection message).
int NextFocus(Game& game, int focus, int direction) {
    const int count = StopCount(game);
    for (int tries = 0; tries < count; ++tries) {
        focus = NextIndex(focus, direction, count);
        if (StopEnabled(game, focus)) return focus;
    }
    return -1;
}

void ClickButton(Game& game, ImageButtonName name) {
    ImageButton& button = game.widgets.imageButtons[name];
    if (!button.enabled) return;
    PlayEffect(game, BtnClick);
    if (button.onClick) button.onClick();
}

// A volume changed from the keyboard is applied at once; the sound volume
// is heard with a sample effect, as with the mouse.
void StepFocusedSlider(Game& game, int name, int step) {
    if (!StepSlider(game.widgets.sliders[name], step)) return;
    if (name == MusicVolumeSlider) ApplyMusicVolume(game);
    if (name != SoundVolumeSlider) return;
    ApplySoundVolume(game);
    PlayEffect(game, WordLetter);
}

// Left and Right on a slider or on the difficulty arrows change the value.
bool AdjustFocusedControl(Game& game, int key) {
    const FocusControl* control = FocusedControl(game);
    if (!control || (key != vk::Left && key != vk::Right)) return false;
    const int step = key == vk::Left ? -1 : +1;
    switch (control->kind) {
        case FocusKind::Slider: StepFocusedSlider(game, control->index, step); return true;
        case FocusKind::Arrows: ClickButton(game, ImageButtonName(control->index + (step > 0 ? 1 : 0))); return true;
        default: return false;
    }
}

void FlipBox(ToggleButton& box) {
    if (box.checked && box.toggleEnabled) *box.checked = !*box.checked;
}

}  // namespace

std::span<const ImageButtonName> FocusOrder(const Game& game) { return CurrentButtons(game).focusOrder; }

void MoveFocus(Game& game, int key) {
    if (const auto arrowKey = CurrentScreen(game).arrowKey) arrowKey(game, key);
    else MoveFocusAlong(game, key);
}

void MoveFocusAlong(Game& game, int key) {
    if (AdjustFocusedControl(game, key) || StopCount(game) == 0) return;
    const int direction = Direction(game, key);
    if (direction != 0) FocusButton(game, NextFocus(game, game.screen.focus, direction));
}

void FocusButton(Game& game, int index) {
    game.screen.focus = index;
    ShowKeyboardStates(game);
}

void ActivateFocus(Game& game) {
    if (const auto enterKey = CurrentScreen(game).enterKey) enterKey(game);
}

// On a box Enter flips it; on the other controls it moves on, as Tab does.
void ActivateFocusedButton(Game& game) {
    if (const FocusControl* control = FocusedControl(game)) {
        if (control->kind == FocusKind::Toggle) FlipBox(BoxOf(game.widgets, control->index));
        else MoveFocusAlong(game, vk::Tab);
        return;
    }
    const std::span<const ImageButtonName> order = FocusOrder(game);
    const int at = game.screen.focus - ControlCount(game);
    if (game.screen.focus < 0 || at < 0 || at >= static_cast<int>(order.size())) return;
    ClickButton(game, order[static_cast<std::size_t>(at)]);
}

void FlipFocusedBox(Game& game) {
    const FocusControl* control = FocusedControl(game);
    if (control && control->kind == FocusKind::Toggle) FlipBox(BoxOf(game.widgets, control->index));
}

void ResetKeyboardFocus(Game& game) {
    ShellState& shell = game.shell;
    shell.lastMouseMoveTick = game.platform.clock->tickCount();
    if (!shell.cursorVisible) {
        game.platform.desktop->showCursor(true);
        shell.cursorVisible = true;
    }
    ScreenState& screen = game.screen;
    if (!kDifficultyHintArea.contains(game.pointer.cursorClient)) screen.difficultyHint = false;
    screen.focus = -1;
    for (ImageButtonName name : kMouseReleased) Release(game.widgets.imageButtons[name]);
    ReleaseControls(game.widgets);
}

void ReleaseKeyboardStates(Game& game) {
    for (ImageButton& button : game.widgets.imageButtons) Release(button);
    ReleaseControls(game.widgets);
}

}  // namespace glyphora
